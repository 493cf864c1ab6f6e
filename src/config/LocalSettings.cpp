#include "config/LocalSettings.h"

#include "config/IniLine.h"
#include "config/IniNumber.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

LocalSettings::LocalSettings(const SettingsFile& settings)
    : settings_(settings) {}

bool LocalSettings::useDB() const {
    return settings_.readFlag(keys::DBChb, false);
}

AmplifierAddress LocalSettings::amplifierAddress() const {
    return {settings_.readText(keys::IPZesE), settings_.readText(keys::PortZesE)};
}

bool LocalSettings::loginAtStart() const {
    return settings_.readFlag(keys::LoginChb, false);
}

quint16 LocalSettings::sendDelay() const {
    return sendDelayFromText(settings_.readText(keys::ProdlevaE));
}

quint16 LocalSettings::sendDelayFromText(const QString& text) {
    const qint32 ms = IniNumber::parseDecimal(IniLine::stripped(text)).value_or(defaultSendDelayMs);
    return static_cast<quint16>(static_cast<quint32>(ms) & 0xFFFFu);
}

} // namespace orfa::config
