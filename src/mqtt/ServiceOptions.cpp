#include "mqtt/ServiceOptions.h"

#include "config/AmplifierAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtGlobal>

#include <cmath>

namespace orfa::mqtt {
namespace {

constexpr int kShortestIntervalMs = 100;
constexpr int kLongestIntervalMs = 24 * 3600 * 1000;

// QSettings reads an unquoted value with commas as a list; a password may hold commas.
QString text(const QSettings& file, const QString& key, const QString& fallback) {
    const QVariant value = file.value(key);
    if (!value.isValid())
        return fallback;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString().trimmed();
}

} // namespace

QString serviceSettingsPath(const QString& configDir) {
    return QDir(configDir).filePath(QStringLiteral("OrfaMqtt.ini"));
}

bool setBrokerAddress(BrokerSettings& broker, const QString& text) {
    const std::optional<config::AmplifierAddress> address = config::parseHostAndPort(text);
    if (!address)
        return false;
    broker.host = address->host;
    broker.port = address->port.toInt();
    return true;
}

std::optional<int> parseInterval(const QString& seconds) {
    bool ok = false;
    const double value = seconds.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double ms = std::round(value * 1000.0);
    if (ms < kShortestIntervalMs || ms > kLongestIntervalMs)
        return std::nullopt;
    return static_cast<int>(ms);
}

bool checkTopicPrefixes(const ServiceOptions& options, QString& error) {
    for (const QString& prefix : {options.prefix, options.discoveryPrefix}) {
        if (prefix.isEmpty() || prefix.contains(QLatin1Char('+')) ||
            prefix.contains(QLatin1Char('#')) || prefix.contains(QChar(0)) ||
            prefix.startsWith(QLatin1Char('/')) || prefix.endsWith(QLatin1Char('/'))) {
            error = QStringLiteral("\"%1\" cannot begin topics: it must not be empty, hold "
                                   "'+' or '#', or begin or end with '/'")
                        .arg(prefix);
            return false;
        }
    }
    return true;
}

QString topicSafe(const QString& text) {
    QString safe = text;
    for (QChar& c : safe) {
        const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                             (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                             (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!allowed)
            c = QLatin1Char('_');
    }
    return safe;
}

std::optional<ServiceOptions> readServiceOptions(const QString& configDir, QString& error) {
    const QString path = serviceSettingsPath(configDir);
    const QSettings file(path, QSettings::IniFormat);
    const auto key = [](const char* name) { return QStringLiteral("Mqtt/") + QLatin1String(name); };
    ServiceOptions options;
    BrokerSettings& broker = options.broker;
    broker.host = text(file, key("Host"), broker.host);
    bool ok = true;
    const QString port = text(file, key("Port"), QString::number(broker.port));
    broker.port = port.toInt(&ok);
    if (!ok || broker.port < 1 || broker.port > 65535) {
        error =
            QStringLiteral("%1: Port wants a number from 1 to 65535, not \"%2\"").arg(path, port);
        return std::nullopt;
    }
    broker.user = text(file, key("User"), {});
    broker.password = text(file, key("Password"), {});
    if (const QByteArray password = qgetenv("ORFA_MQTT_PASSWORD"); !password.isNull())
        broker.password = QString::fromUtf8(password);
    broker.caFile = text(file, key("CaFile"), {});
    if (!broker.caFile.isEmpty() && !QFileInfo(broker.caFile).isReadable()) {
        error = QStringLiteral("%1: the CA file \"%2\" cannot be read").arg(path, broker.caFile);
        return std::nullopt;
    }
    broker.clientId = text(file, key("ClientId"), {});
    options.prefix = text(file, key("Prefix"), options.prefix);
    options.discoveryPrefix = text(file, key("DiscoveryPrefix"), options.discoveryPrefix);
    options.amplifierId = topicSafe(text(file, key("AmplifierId"), {}));
    options.deviceName = text(file, key("DeviceName"), options.deviceName);
    options.siteUser = text(file, key("SiteUser"), {}).trimmed();
    const QString interval = text(file, key("Interval"), {});
    if (!interval.isEmpty()) {
        const std::optional<int> ms = parseInterval(interval);
        if (!ms) {
            error = QStringLiteral("%1: Interval wants seconds from 0.1 to 86400, not \"%2\"")
                        .arg(path, interval);
            return std::nullopt;
        }
        options.intervalMs = *ms;
    }
    return options;
}

} // namespace orfa::mqtt
