#pragma once

#include "config/IoNames.h"

#include <QString>

#include <array>

namespace orfa::config {

// The shared settings as the settings dialog edits them and table NST holds them: names
// and enable flags of the 10 inputs and 16 outputs, the 9 radio memory names, the
// amplifier's address, port and password, the number of outputs and the login flag.
struct NstValues {
    std::array<IoEntry, 10> inputs;    // index i-1 = input i (NAZEV "Vstup<i>En")
    std::array<IoEntry, 16> outputs;   // index j-1 = output j (NAZEV "Vystup<j>En")
    std::array<QString, 9> radioNames; // index k-1 = memory k (NAZEV "RadioJmeno<k>")
    QString amplifierHost;             // IPZesE
    QString amplifierPort;             // PortZesE
    int outputsChoice = -1;            // VstupyRG: 0 = 8 outputs, 1 = 16 outputs, -1 = no choice
    QString amplifierPassword;         // HesloZesE
    bool loginAtStart = false;         // LoginChb
};

} // namespace orfa::config
