#include "mqtt/support/ServiceRig.h"

#include "link/Instructions.h"
#include "support/WriteSettingsFile.h"

#include <QTest>

namespace {

orfa::mqtt::ServiceOptions testOptions(quint16 brokerPort) {
    orfa::mqtt::ServiceOptions options;
    options.broker.port = brokerPort;
    options.amplifierId = QStringLiteral("amp");
    options.intervalMs = 1000;
    return options;
}

} // namespace

ServiceRig::ServiceRig(const QStringList& settingsLines) {
    sim().state() = orfa::sim::AmpState::plausible();
    writeSettings(settingsLines);
}

ServiceRig::~ServiceRig() {
    // The client first: it must not see the service's last words as news.
    client_.reset();
    service_.reset();
}

void ServiceRig::writeSettings(const QStringList& settingsLines) {
    const QStringList defaults{
        QStringLiteral("ProdlevaE=50"),          QStringLiteral("Vstup2Nzv=Mikrofon"),
        QStringLiteral("Vystup3Nzv=Hala"),       QStringLiteral("MaxIDSkupiny=1"),
        QStringLiteral("Skup_1_SkupinaPocet=3"), QStringLiteral("Skup_1_IDVstupu1=1"),
        QStringLiteral("Skup_1_IDVstupu2=3"),    QStringLiteral("Skup_1_IDVstupu3=5")};
    orfa::test::writeSettingsFile(
        dir_.path(), orfa::test::overriddenBy(everythingOnLines() + defaults, settingsLines));
}

bool ServiceRig::startBroker() {
    if (!broker_.start())
        return false;
    client_ = std::make_unique<TestClient>(broker_.port());
    return client_->connect();
}

bool ServiceRig::startService() {
    orfa::mqtt::ServiceOptions options = testOptions(broker_.port());
    options.siteUser = siteUser_;
    service_ = std::make_unique<orfa::mqtt::MqttService>(dir_.path(), options);
    return service_->start() && client_->waitFor(topic(QStringLiteral("availability")), "online") &&
           QTest::qWaitFor(
               [this] {
                   // The last values of a whole reading.
                   return client_->has(topic(QStringLiteral("output/16/mute"))) &&
                          client_->has(topic(QStringLiteral("radio/frequency")));
               },
               5000);
}

void ServiceRig::stopService() {
    service_->stop();
}

QString ServiceRig::topic(const QString& path) {
    return QStringLiteral("orfa/amp/") + path;
}

void ServiceRig::command(const QString& path, const QByteArray& payload, bool retain) {
    client_->publish(topic(path), payload, retain);
}

QStringList ServiceRig::settingsReceived() const {
    QStringList frames;
    for (const QByteArray& frame : receivedCommands()) {
        const auto instruction = static_cast<std::uint8_t>(frame.at(6));
        if (orfa::link::isRequest(instruction))
            continue;
        frames << QStringLiteral("%1:%2")
                      .arg(instruction)
                      .arg(QString::fromLatin1(frame.mid(7, frame.size() - 9).toHex()));
    }
    return frames;
}
