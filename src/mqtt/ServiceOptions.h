#pragma once

#include "mqtt/MqttClient.h"

#include <QString>

#include <optional>

namespace orfa::mqtt {

// Everything the service is told: the broker, the topics and the polling
// interval from its own settings file, OrfaMqtt.ini beside Orfa.ini, and the
// command line over it.
struct ServiceOptions {
    static constexpr int kDefaultIntervalMs = 10000;

    BrokerSettings broker;
    QString prefix = QStringLiteral("orfa");
    QString discoveryPrefix = QStringLiteral("homeassistant");
    // Empty: derived from the amplifier's address.
    QString amplifierId;
    QString deviceName = QStringLiteral("Zesilovač");
    // HOST:PORT given on the command line; empty: the settings' address.
    QString amplifierAddress;
    int intervalMs = kDefaultIntervalMs;
    // A user of the site's records whose rights the service's commands get
    // ([Mqtt] SiteUser); empty: every right.
    QString siteUser;
};

// The service's settings file in a settings directory.
QString serviceSettingsPath(const QString& configDir);

// Reads section [Mqtt] of the service's settings file (a missing file or key
// keeps the default); the password in the environment variable
// ORFA_MQTT_PASSWORD, when set, wins over the file's. Empty, with a message in
// error, when a value is unusable.
std::optional<ServiceOptions> readServiceOptions(const QString& configDir, QString& error);

// Whether the topic prefixes can be published under: not empty, no wildcard,
// no '/' at either end. Otherwise false with a message in error.
bool checkTopicPrefixes(const ServiceOptions& options, QString& error);

// Sets the broker's host and port from "HOST:PORT"; false when the text is not that.
bool setBrokerAddress(BrokerSettings& broker, const QString& text);
// Seconds (a decimal number) as a polling interval in milliseconds, 0.1 s to a day.
std::optional<int> parseInterval(const QString& seconds);
// A topic level a broker and Home Assistant take: letters, digits, '-' and
// '_'; every other character becomes '_'.
QString topicSafe(const QString& text);

} // namespace orfa::mqtt
