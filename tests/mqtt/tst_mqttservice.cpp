#include "mqtt/support/ServiceRig.h"
#include "support/ClosedPort.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject configOf(const TestClient& client, const QString& component, const QString& object) {
    const QByteArray payload =
        client.last(u"homeassistant/%1/orfa_amp_%2/config"_s.arg(component, object));
    return QJsonDocument::fromJson(payload).object();
}

} // namespace

class TestMqttService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanupTestCase() { calmRig_.reset(); }
    void discoveryAnnouncesTheEntities_data();
    void discoveryAnnouncesTheEntities();
    void discoveryFollowsTheSettings();
    void commandsReachTheAmplifier_data();
    void commandsReachTheAmplifier();
    void muteRemembersTheLevel();
    void siteUserRightsApply();
    void badCommandsChangeNothing_data();
    void badCommandsChangeNothing();
    void retainedCommandsAreNotReplayed();
    void changesOnTheAmplifierArePublished();
    void availabilityFollowsTheAmplifier();
    void brokerRestartGetsEverythingBack();
    void floodCoalescesAndOutlivesTheBroker();
    void programRunsAsAProcess();

private:
    // One rig for the tests that leave the amplifier as they found it, started
    // once: output 4 and source 5 switched off, output 6 muted at a panel.
    ServiceRig* calmRig();

    std::unique_ptr<ServiceRig> calmRig_;
};

ServiceRig* TestMqttService::calmRig() {
    if (!calmRig_) {
        calmRig_ = std::make_unique<ServiceRig>(QStringList{u"Vystup4En=0"_s, u"Vstup5En=0"_s});
        calmRig_->sim().state().mix.levels[5] = 79;
        if (!calmRig_->start())
            calmRig_.reset();
    }
    return calmRig_.get();
}

void TestMqttService::discoveryAnnouncesTheEntities_data() {
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QString>("stateTopic");
    const QStringList number{u"command_topic"_s, u"state_topic"_s, u"min"_s, u"max"_s};
    const QStringList toggle{u"command_topic"_s, u"state_topic"_s, u"payload_on"_s,
                             u"payload_off"_s};
    QTest::newRow("volume, louder to the right")
        << u"number"_s << u"output3_level"_s << u"Hala hlasitost"_s << number
        << u"output/3/volume"_s;
    QTest::newRow("source") << u"select"_s << u"output3_source"_s << u"Hala zdroj"_s
                            << QStringList{u"command_topic"_s, u"state_topic"_s, u"options"_s}
                            << u"output/3/source"_s;
    QTest::newRow("mute") << u"switch"_s << u"output7_mute"_s << u"Výstup 7 ztlumení"_s << toggle
                          << u"output/7/mute"_s;
    QTest::newRow("power") << u"switch"_s << u"power"_s << u"Zapnutý zesilovač"_s << toggle
                           << u"power"_s;
    QTest::newRow("master") << u"number"_s << u"master"_s << u"Celková hlasitost"_s << number
                            << u"master"_s;
    QTest::newRow("preset") << u"button"_s << u"preset8"_s << u"Předvolba 8"_s
                            << QStringList{u"command_topic"_s, u"payload_press"_s} << QString();
    QTest::newRow("frequency") << u"sensor"_s << u"frequency"_s << u"Naladěná frekvence rádia"_s
                               << QStringList{u"state_topic"_s, u"unit_of_measurement"_s}
                               << u"radio/frequency"_s;
}

void TestMqttService::discoveryAnnouncesTheEntities() {
    QFETCH(QString, component);
    QFETCH(QString, object);
    QFETCH(QString, name);
    QFETCH(QStringList, required);
    QFETCH(QString, stateTopic);
    ServiceRig* rig = calmRig();
    QVERIFY(rig);
    const QJsonObject config = configOf(rig->client(), component, object);
    QCOMPARE(config.value(u"name"_s).toString(), name);
    QCOMPARE(config.value(u"unique_id"_s).toString(), u"orfa_amp_"_s + object);
    for (const QString& key : required)
        QVERIFY2(config.contains(key), qPrintable(key));
    const QJsonObject device = config.value(u"device"_s).toObject();
    QCOMPARE(device.value(u"identifiers"_s).toArray(), QJsonArray{u"orfa_amp"_s});
    QVERIFY(!device.value(u"name"_s).toString().isEmpty());
    const QJsonObject availability = config.value(u"availability"_s).toArray().at(0).toObject();
    QCOMPARE(availability.value(u"topic"_s).toString(), ServiceRig::topic(u"availability"_s));
    if (!stateTopic.isEmpty()) {
        QCOMPARE(config.value(u"state_topic"_s).toString(), ServiceRig::topic(stateTopic));
        // Every state the entity reads is on the broker.
        QVERIFY(rig->client().has(ServiceRig::topic(stateTopic)));
    }
    if (config.contains(u"command_topic"_s)) {
        const QString commandTopic = config.value(u"command_topic"_s).toString();
        QVERIFY2(commandTopic.startsWith(ServiceRig::topic({})) && commandTopic.endsWith(u"/set"_s),
                 qPrintable(commandTopic));
    }
    if (config.contains(u"min"_s))
        QVERIFY(config.value(u"min"_s).toInt() < config.value(u"max"_s).toInt());
}

void TestMqttService::discoveryFollowsTheSettings() {
    ServiceRig rig({u"Vystup4En=0"_s, u"Vstup5En=0"_s});
    QVERIFY(rig.start());
    TestClient& client = rig.client();
    // Switched off: not announced, and not among the options.
    QVERIFY(client.topicsUnder(u"homeassistant/"_s).filter(u"output4_"_s).isEmpty());
    QVERIFY(!client.has(ServiceRig::topic(u"output/4/level"_s)) ||
            client.last(ServiceRig::topic(u"output/4/level"_s)).isEmpty());
    const QJsonArray options =
        configOf(client, u"select"_s, u"output1_source"_s).value(u"options"_s).toArray();
    QCOMPARE(options.size(), 9);
    QCOMPARE(options.at(1).toString(), u"Mikrofon"_s);
    QVERIFY(!options.contains(u"Vstup 5"_s));
    QCOMPARE(client.topicsUnder(u"homeassistant/"_s).size(), 3 + 8 + 15 * 3);

    // An output switched off while the service runs is withdrawn, a name changed is renamed.
    rig.writeSettings({u"Vystup4En=0"_s, u"Vstup5En=0"_s, u"Vystup9En=0"_s, u"Vystup3Nzv=Aula"_s});
    const QString level9 = u"homeassistant/number/orfa_amp_output9_level/config"_s;
    QVERIFY(client.waitFor(level9, {}));
    QVERIFY(QTest::qWaitFor(
        [&] {
            return configOf(client, u"number"_s, u"output3_level"_s).value(u"name"_s) ==
                   u"Aula hlasitost"_s;
        },
        5000));
}

void TestMqttService::commandsReachTheAmplifier_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("frame");
    QTest::newRow("power off") << u"power/set"_s << "OFF"_ba << u"165:00"_s;
    QTest::newRow("master -10 dB") << u"master/set"_s << "-10"_ba << u"64:8a"_s;
    QTest::newRow("master as Home Assistant sends it")
        << u"master/set"_s << "80.0"_ba << u"64:50"_s;
    QTest::newRow("level") << u"output/2/level/set"_s << "40"_ba << u"65:0228"_s;
    QTest::newRow("level moves the group")
        << u"output/3/level/set"_s << "12"_ba << u"65:030c010c030c050c"_s;
    QTest::newRow("source by name") << u"output/3/source/set"_s << "mikrofon"_ba << u"66:0302"_s;
    QTest::newRow("source by number") << u"output/16/source/set"_s << "10"_ba << u"66:100a"_s;
    QTest::newRow("volume") << u"output/2/volume/set"_s << "39"_ba << u"65:0228"_s;
    QTest::newRow("mute") << u"output/2/mute/set"_s << "ON"_ba << u"65:024f"_s;
    QTest::newRow("preset") << u"preset/set"_s << "2"_ba << u"161:02"_s;
    QTest::newRow("radio memory") << u"memory/set"_s << "4"_ba << u"166:04"_s;
}

void TestMqttService::commandsReachTheAmplifier() {
    QFETCH(QString, path);
    QFETCH(QByteArray, payload);
    QFETCH(QString, frame);
    ServiceRig rig;
    QVERIFY(rig.start());
    rig.command(path, payload);
    QTRY_COMPARE_WITH_TIMEOUT(rig.settingsReceived(), QStringList{frame}, 5000);
}

void TestMqttService::muteRemembersTheLevel() {
    ServiceRig rig;
    rig.sim().state().mix.levels[1] = 20;
    QVERIFY(rig.start());
    const QString mute = ServiceRig::topic(u"output/2/mute"_s);
    QCOMPARE(rig.client().last(mute), "OFF"_ba);
    rig.command(u"output/2/mute/set"_s, "ON");
    QVERIFY(rig.client().waitFor(mute, "ON"));
    QTRY_COMPARE(int{rig.sim().state().mix.levels[1]}, 79);
    // A poll reads the muted level back; the mute and its level stay.
    rig.sim().clearReceivedFrames();
    QTRY_VERIFY_WITH_TIMEOUT(rig.receivedData(81).size() > 0, 5000);
    QTest::qWait(100);
    QCOMPARE(rig.client().last(mute), "ON"_ba);
    rig.command(u"output/2/mute/set"_s, "OFF");
    QVERIFY(rig.client().waitFor(mute, "OFF"));
    QTRY_COMPARE(int{rig.sim().state().mix.levels[1]}, 20);
    QCOMPARE(rig.client().last(ServiceRig::topic(u"output/2/level"_s)), "20"_ba);
    QCOMPARE(rig.client().last(ServiceRig::topic(u"output/2/volume"_s)), "59"_ba);
}

void TestMqttService::siteUserRightsApply() {
    // Petr may change every output but 3.
    ServiceRig rig({u"MaxIDUziv=1"_s, u"Uziv_1_Jmeno=Petr"_s,
                    u"Uziv_1_Vstupy=ABCDEFGHIJKLM0000000"_s, u"Uziv_1_Vystupy=AB0DEFGHIJKLMNOP"_s,
                    u"Uziv_1_Matice=AB0DEFGHIJKLMNOP"_s});
    rig.setSiteUser(u"Petr"_s);
    QVERIFY(rig.start());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^ignored .*the level of output 3"_s));
    rig.command(u"output/3/level/set"_s, "10");
    rig.command(u"output/2/level/set"_s, "10");
    QTRY_COMPARE_WITH_TIMEOUT(rig.settingsReceived(), QStringList{u"65:020a"_s}, 5000);
}

void TestMqttService::badCommandsChangeNothing_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("level above 79") << u"output/2/level/set"_s << "80"_ba;
    QTest::newRow("negative level") << u"output/2/level/set"_s << "-1"_ba;
    QTest::newRow("fractional level") << u"output/2/level/set"_s << "12.5"_ba;
    QTest::newRow("level as a word") << u"output/2/level/set"_s << "loud"_ba;
    QTest::newRow("empty payload") << u"output/2/level/set"_s << QByteArray();
    QTest::newRow("binary junk") << u"output/2/level/set"_s << "\x00\xff\x80\x01"_ba;
    QTest::newRow("master above 80 dB") << u"master/set"_s << "81"_ba;
    QTest::newRow("power maybe") << u"power/set"_s << "MAYBE"_ba;
    QTest::newRow("unknown source") << u"output/2/source/set"_s << "Varhany"_ba;
    QTest::newRow("source switched off") << u"output/2/source/set"_s << "5"_ba;
    QTest::newRow("source 11") << u"output/2/source/set"_s << "11"_ba;
    QTest::newRow("mute 2") << u"output/2/mute/set"_s << "2"_ba;
    QTest::newRow("volume above 79") << u"output/2/volume/set"_s << "80"_ba;
    QTest::newRow("preset 9") << u"preset/set"_s << "9"_ba;
    QTest::newRow("memory 0") << u"memory/set"_s << "0"_ba;
    QTest::newRow("output switched off") << u"output/4/level/set"_s << "10"_ba;
    QTest::newRow("output 17") << u"output/17/level/set"_s << "10"_ba;
    QTest::newRow("unknown command") << u"volume/set"_s << "10"_ba;
}

void TestMqttService::badCommandsChangeNothing() {
    QFETCH(QString, path);
    QFETCH(QByteArray, payload);
    ServiceRig* rig = calmRig();
    QVERIFY(rig);
    rig->sim().clearReceivedFrames();
    const orfa::sim::AmpState before = rig->sim().state();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^ignored "_s));
    QTest::failOnWarning(QRegularExpression(u"^ignored "_s));
    rig->command(path, payload);
    // A good command after it: when it has arrived, so has the bad one.
    rig->command(u"output/1/source/set"_s, "1");
    QTRY_COMPARE_WITH_TIMEOUT(rig->settingsReceived(), QStringList{u"66:0101"_s}, 5000);
    orfa::sim::AmpState expected = before;
    expected.mix.sources[0] = 1;
    QVERIFY(rig->sim().state() == expected);
}

void TestMqttService::retainedCommandsAreNotReplayed() {
    ServiceRig rig;
    QVERIFY(rig.startBroker());
    // Stored by the broker, it reaches the service when it subscribes.
    rig.command(u"output/2/level/set"_s, "10", true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^ignored .*retained"_s));
    QVERIFY(rig.startService());
    QTest::qWait(300);
    QCOMPARE(rig.settingsReceived(), QStringList());
}

void TestMqttService::changesOnTheAmplifierArePublished() {
    ServiceRig rig;
    QVERIFY(rig.start());
    TestClient& client = rig.client();
    // What the service publishes now, not what the broker kept for a new subscriber.
    const auto published = [&client] {
        QStringList topics;
        for (const orfa::mqtt::MqttMessage& message : client.messages()) {
            if (!message.retained)
                topics << message.topic;
        }
        return topics;
    };
    client.clear();
    QTest::qWait(1200); // a poll that changes nothing
    QCOMPARE(published(), QStringList());

    orfa::sim::AmpState& amp = rig.sim().state();
    amp.power = false;
    amp.mix.masterVolumeDb = -12;
    amp.mix.levels[4] = 79;
    amp.mix.sources[4] = 2;
    amp.tunedMhz = 99;
    amp.tunedHundredths = 30;
    QVERIFY(client.waitFor(ServiceRig::topic(u"power"_s), "OFF", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"master"_s), "-12", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"output/5/level"_s), "79", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"output/5/volume"_s), "0", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"output/5/mute"_s), "ON", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"output/5/source"_s), "Mikrofon", 1500));
    QVERIFY(client.waitFor(ServiceRig::topic(u"radio/frequency"_s), "99.3", 1500));
    // Only what changed.
    QCOMPARE(published().size(), 7);
}

void TestMqttService::availabilityFollowsTheAmplifier() {
    ServiceRig rig;
    QVERIFY(rig.start());
    const QString availability = ServiceRig::topic(u"availability"_s);
    rig.sim().faults().silent = true;
    QVERIFY(rig.client().waitFor(availability, "offline"));
    rig.sim().faults().silent = false;
    QVERIFY(rig.client().waitFor(availability, "online"));

    // The service stops: offline, and the broker's will is not needed for it.
    rig.stopService();
    QVERIFY(rig.client().waitFor(availability, "offline"));
}

void TestMqttService::brokerRestartGetsEverythingBack() {
    ServiceRig rig;
    QVERIFY(rig.start());
    TestClient& client = rig.client();
    const QStringList retained = client.topicsUnder({});
    rig.broker().restart(); // forgets every retained message
    client.clear();
    QVERIFY(client.connect());
    QTRY_COMPARE_WITH_TIMEOUT(client.topicsUnder({}), retained, 10000);
    QCOMPARE(client.last(ServiceRig::topic(u"availability"_s)), "online"_ba);
    rig.command(u"output/2/level/set"_s, "33");
    QTRY_COMPARE(int{rig.sim().state().mix.levels[1]}, 33);
}

void TestMqttService::floodCoalescesAndOutlivesTheBroker() {
    ServiceRig rig({u"ProdlevaE=300"_s});
    QVERIFY(rig.start());
    for (int level = 0; level <= 60; ++level)
        rig.command(u"output/2/level/set"_s, QByteArray::number(level));
    for (int level = 0; level <= 30; ++level)
        rig.command(u"master/set"_s, QByteArray::number(-level));
    // Once the service has taken the last of them, the broker goes away.
    const orfa::model::AmplifierModel& model = rig.service().data().amplifier();
    QTRY_COMPARE(model.outputLevel(2), 60);
    QTRY_COMPARE(model.masterVolumeDb(), -30);
    rig.broker().kill();
    QTRY_COMPARE(int{rig.sim().state().mix.levels[1]}, 60);
    QTRY_COMPARE(rig.sim().state().mix.masterVolumeDb, -30);
    QVERIFY2(rig.settingsReceived().size() < 10, qPrintable(rig.settingsReceived().join(u' ')));
}

void TestMqttService::programRunsAsAProcess() {
    ServiceRig rig;
    QVERIFY(rig.broker().start());
    TestClient client(rig.broker().port());
    QVERIFY(client.connect());

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"ORFA_CONFIG_DIR"_s, rig.configDir());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList options{u"--broker"_s, rig.broker().address(),
                              u"--prefix"_s, u"site"_s,
                              u"--amp"_s,    u"127.0.0.1:%1"_s.arg(rig.sim().port())};
    program.start(QStringLiteral(ORFA_MQTT_BINARY), options + QStringList{u"--interval"_s, u"0"_s});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitCode(), 2);

    program.start(QStringLiteral(ORFA_MQTT_BINARY),
                  options + QStringList{u"--interval"_s, u"0.5"_s});
    const QString availability = u"site/127_0_0_1_%1/availability"_s.arg(rig.sim().port());
    QVERIFY(client.waitFor(availability, "online", 10000));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(client.waitFor(availability, "offline"));
}

QTEST_GUILESS_MAIN(TestMqttService)
#include "tst_mqttservice.moc"
