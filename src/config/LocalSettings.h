#pragma once

#include "config/AmplifierAddress.h"

#include <QString>

namespace orfa::config {

class SettingsFile;

// The values the data module takes from the settings file when it starts, in the order it
// takes them: whether the central database is in use, then the amplifier's
// address, the login-at-start flag and the send delay. While the central database is in
// use the address and the login flag come from the database instead; the data module
// asks it there and calls only useDB() and sendDelay() here.
class LocalSettings {
public:
    static constexpr quint16 defaultSendDelayMs = 800;

    // Reads settings, which must outlive this object.
    explicit LocalSettings(const SettingsFile& settings);

    // Flag DBChb, off when missing.
    bool useDB() const;
    // IPZesE and PortZesE, empty when missing.
    AmplifierAddress amplifierAddress() const;
    // Flag LoginChb, off when missing.
    bool loginAtStart() const;
    // The text ProdlevaE through sendDelayFromText().
    quint16 sendDelay() const;

    // The send delay for a stored text: a decimal 32-bit integer (blanks around it are
    // ignored), 800 when the text is empty or not such a number; the low 16 bits of it
    // ("70000" gives 4464, "-1" 65535).
    static quint16 sendDelayFromText(const QString& text);

private:
    const SettingsFile& settings_;
};

} // namespace orfa::config
