// orfa-mqtt: the amplifier in Home Assistant and any MQTT system. See
// `orfa-mqtt --help` and the README's section "Home Assistant".

#include "config/ProgramVersion.h"
#include "config/SettingsLocation.h"
#include "mqtt/MqttProgram.h"

#include <QCoreApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orfa-mqtt"));
    QCoreApplication::setApplicationVersion(orfa::config::programVersion());
    QLocale::setDefault(QLocale::c());
    return orfa::mqtt::runOrfaMqtt(QCoreApplication::arguments().mid(1),
                                   orfa::config::SettingsLocation::directory());
}
