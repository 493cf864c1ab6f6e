#pragma once

#include <QString>

namespace orfa::config {

// Where the amplifier listens, as the settings store it (IPZesE, PortZesE):
// texts, empty when not set.
struct AmplifierAddress {
    QString host;
    QString port;
};

} // namespace orfa::config
