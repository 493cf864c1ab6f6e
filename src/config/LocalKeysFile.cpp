#include "config/LocalKeysFile.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

LocalKeys readLocalKeys(const SettingsFile& settings) {
    LocalKeys local;
    local.useDatabase = settings.readFlag(keys::DBChb);
    local.databaseHost = settings.readText(keys::DBIPE);
    local.databasePort = settings.readText(keys::DBPortE);
    local.databasePath = settings.readText(keys::DBCestaE);
    local.databaseUser = settings.readText(keys::DBLoginE);
    local.databasePassword = settings.readText(keys::DBHesloE);
    local.minimiseToTray = settings.readFlag(keys::SysTrayChb);
    local.closeToTray = settings.readFlag(keys::MinimizeChb);
    local.sendDelayText = settings.readText(keys::ProdlevaE, keys::defaultSendDelayText());
    return local;
}

void writeLocalKeys(SettingsFile& settings, const LocalKeys& local) {
    settings.writeFlag(keys::DBChb, local.useDatabase);
    settings.writeText(keys::DBIPE, local.databaseHost);
    settings.writeText(keys::DBPortE, local.databasePort);
    settings.writeText(keys::DBCestaE, local.databasePath);
    settings.writeText(keys::DBLoginE, local.databaseUser);
    settings.writeText(keys::DBHesloE, local.databasePassword);
    settings.writeFlag(keys::SysTrayChb, local.minimiseToTray);
    settings.writeFlag(keys::MinimizeChb, local.closeToTray);
    settings.writeText(keys::ProdlevaE, local.sendDelayText);
}

} // namespace orfa::config
