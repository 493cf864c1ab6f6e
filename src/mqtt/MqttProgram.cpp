#include "mqtt/MqttProgram.h"

#include "config/AmplifierAddress.h"
#include "config/ProgramVersion.h"
#include "data/StopSignals.h"
#include "mqtt/MqttLog.h"
#include "mqtt/MqttService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace orfa::mqtt {
namespace {

const QString kBroker = QStringLiteral("broker");
const QString kPrefix = QStringLiteral("prefix");
const QString kAmp = QStringLiteral("amp");
const QString kInterval = QStringLiteral("interval");

void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "The amplifier on an MQTT broker, with Home Assistant's discovery: state on retained "
        "topics, commands on <topic>/set. Reads OrfaMqtt.ini (section [Mqtt]) beside Orfa.ini; "
        "the options below override it. The broker's password comes from the file or the "
        "environment variable ORFA_MQTT_PASSWORD, never from the command line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {kBroker, QStringLiteral("The broker (default 127.0.0.1:1883)."),
         QStringLiteral("HOST:PORT")},
        {kPrefix, QStringLiteral("First level of the topics (default orfa)."), QStringLiteral("P")},
        {kAmp, QStringLiteral("The amplifier, instead of the address in the settings."),
         QStringLiteral("HOST:PORT")},
        {kInterval, QStringLiteral("How often the amplifier's state is read (default 10)."),
         QStringLiteral("SECONDS")},
    });
}

// Puts the options given over those of the file; false with a message when one is unusable.
bool applyArguments(const QCommandLineParser& parser, ServiceOptions& options, QString& error) {
    if (parser.isSet(kBroker) && !setBrokerAddress(options.broker, parser.value(kBroker))) {
        error = QStringLiteral("--broker wants HOST:PORT, not \"%1\"").arg(parser.value(kBroker));
        return false;
    }
    if (parser.isSet(kAmp)) {
        if (!config::parseHostAndPort(parser.value(kAmp))) {
            error = QStringLiteral("--amp wants HOST:PORT, not \"%1\"").arg(parser.value(kAmp));
            return false;
        }
        options.amplifierAddress = parser.value(kAmp);
    }
    if (parser.isSet(kPrefix))
        options.prefix = parser.value(kPrefix);
    if (parser.isSet(kInterval)) {
        const std::optional<int> ms = parseInterval(parser.value(kInterval));
        if (!ms) {
            error = QStringLiteral("--interval wants seconds from 0.1 to 86400, not \"%1\"")
                        .arg(parser.value(kInterval));
            return false;
        }
        options.intervalMs = *ms;
    }
    return checkTopicPrefixes(options, error);
}

int fail(int code, const QString& message) {
    QTextStream(stderr) << "orfa-mqtt: " << message << Qt::endl;
    return code;
}

} // namespace

int runOrfaMqtt(const QStringList& arguments, const QString& configDir) {
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("orfa-mqtt")} + arguments))
        return fail(kExitUsage, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(kExitUsage, QStringLiteral("no arguments besides the options, please"));
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << parser.helpText();
        return kExitStopped;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << "orfa-mqtt " << config::programVersion() << Qt::endl;
        return kExitStopped;
    }
    QString error;
    std::optional<ServiceOptions> options = readServiceOptions(configDir, error);
    if (!options)
        return fail(kExitCannotRun, error);
    if (!applyArguments(parser, *options, error))
        return fail(kExitUsage, error);

    MqttService service(configDir, *options);
    if (!service.start())
        return fail(kExitCannotRun, service.error());
    data::StopSignals stopSignals;
    QObject::connect(&stopSignals, &data::StopSignals::stopRequested, &service, [&service] {
        qCInfo(lcMqtt) << "stopping";
        service.stop();
    });
    QObject::connect(&service, &MqttService::stopped, QCoreApplication::instance(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    return QCoreApplication::exec() == 0 ? kExitStopped : kExitCannotRun;
}

} // namespace orfa::mqtt
