#pragma once

#include "config/IoNames.h"

namespace orfa::config {

class SettingsFile;

// Names, enable flags and groups as the settings file holds them. Every
// source, output and memory gets an entry (the defaults for missing keys);
// groups are read from 1 to "MaxIDSkupiny", members up to each group's count.
IoNames readIoNames(const SettingsFile& file);

} // namespace orfa::config
