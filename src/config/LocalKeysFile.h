#pragma once

#include "config/LocalKeys.h"

namespace orfa::config {

class SettingsFile;

// The local keys as the settings file holds them: DBChb, the five database details (the
// port under DBPortE), SysTrayChb, MinimizeChb and ProdlevaE ("800" when missing); every
// other default is empty or off.
LocalKeys readLocalKeys(const SettingsFile& settings);

// Writes the local keys in this order: DBChb, DBIPE, DBPortE, DBCestaE, DBLoginE, DBHesloE,
// SysTrayChb, MinimizeChb, ProdlevaE. Throws SettingsWriteError when the file refuses a
// write; the keys before it stay written, the rest are not.
void writeLocalKeys(SettingsFile& settings, const LocalKeys& keys);

} // namespace orfa::config
