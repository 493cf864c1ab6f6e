#include "config/DatabaseLogin.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

DatabaseLogin DatabaseLogin::fromSettings(const SettingsFile& reg) {
    return DatabaseLogin{reg.readText(keys::DBIPE), reg.readText(keys::DBPortE),
                         reg.readText(keys::DBCestaE), reg.readText(keys::DBLoginE),
                         reg.readText(keys::DBHesloE)};
}

QString DatabaseLogin::databaseName() const {
    return host + QLatin1Char('/') + port + QLatin1Char(':') + path;
}

} // namespace orfa::config
