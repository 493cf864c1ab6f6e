#pragma once

#include <QString>

#include <optional>

namespace orfa::config {

// Where the amplifier listens, as the settings store it (IPZesE, PortZesE):
// texts, empty when not set.
struct AmplifierAddress {
    QString host;
    QString port;
};

// "HOST:PORT" as a command line gives an address (of the amplifier, or of
// another server), with a port 1..65535; empty when the text is not that.
inline std::optional<AmplifierAddress> parseHostAndPort(const QString& text) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    AmplifierAddress address{text.left(colon), text.mid(colon + 1)};
    bool ok = false;
    const uint number = address.port.toUInt(&ok);
    if (!ok || number < 1 || number > 65535)
        return std::nullopt;
    return address;
}

} // namespace orfa::config
