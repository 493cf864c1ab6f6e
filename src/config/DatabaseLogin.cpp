#include "config/DatabaseLogin.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

DatabaseLogin DatabaseLogin::fromSettings(const SettingsFile& settings) {
    return DatabaseLogin{settings.readText(keys::DBIPE), settings.readText(keys::DBPortE),
                         settings.readText(keys::DBCestaE), settings.readText(keys::DBLoginE),
                         settings.readText(keys::DBHesloE)};
}

QString DatabaseLogin::databaseName() const {
    return host + QLatin1Char('/') + port + QLatin1Char(':') + path;
}

} // namespace orfa::config
