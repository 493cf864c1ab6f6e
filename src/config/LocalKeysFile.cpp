#include "config/LocalKeysFile.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

LocalKeys readLocalKeys(const SettingsFile& reg) {
    LocalKeys local;
    local.DBChb = reg.readFlag(keys::DBChb);
    local.DBIPE = reg.readText(keys::DBIPE);
    local.DBportE = reg.readText(keys::DBPortE);
    local.DBCestaE = reg.readText(keys::DBCestaE);
    local.DBLoginE = reg.readText(keys::DBLoginE);
    local.DBHesloE = reg.readText(keys::DBHesloE);
    local.SysTrayChb = reg.readFlag(keys::SysTrayChb);
    local.MinimizeChb = reg.readFlag(keys::MinimizeChb);
    local.ProdlevaE = reg.readText(keys::ProdlevaE, keys::defaultSendDelayText());
    return local;
}

void writeLocalKeys(SettingsFile& reg, const LocalKeys& local) {
    reg.writeFlag(keys::DBChb, local.DBChb);
    reg.writeText(keys::DBIPE, local.DBIPE);
    reg.writeText(keys::DBPortE, local.DBportE);
    reg.writeText(keys::DBCestaE, local.DBCestaE);
    reg.writeText(keys::DBLoginE, local.DBLoginE);
    reg.writeText(keys::DBHesloE, local.DBHesloE);
    reg.writeFlag(keys::SysTrayChb, local.SysTrayChb);
    reg.writeFlag(keys::MinimizeChb, local.MinimizeChb);
    reg.writeText(keys::ProdlevaE, local.ProdlevaE);
}

} // namespace orfa::config
