#pragma once

#include "config/NstValues.h"

namespace orfa::config {

class SettingsFile;

// The shared settings as the settings file holds them while the central database is not in
// use. Reads every key, in this order: IPZesE, PortZesE, VstupyRG (0 when missing),
// HesloZesE, LoginChb, then Vstup<i>En and Vstup<i>Nzv for i = 1..10 (name "Vstup <i>" when
// missing), Vystup<j>En and Vystup<j>Nzv for j = 1..16 ("Výstup <j>"), RadioJmeno<k> for
// k = 1..9 ("<k>"). Flags are on for any number but 0.
NstValues readSharedSettings(const SettingsFile& settings);

// Writes the shared keys in this order: IPZesE, HesloZesE, PortZesE, LoginChb, VstupyRG
// (-1 for no choice), the pairs Vstup<i>En, Vstup<i>Nzv, the pairs Vystup<j>En,
// Vystup<j>Nzv, then RadioJmeno<k>. Other keys of the file stay. Throws SettingsWriteError
// when the file refuses a write; the keys before it stay written, the rest are not.
void writeSharedSettings(SettingsFile& settings, const NstValues& values);

} // namespace orfa::config
