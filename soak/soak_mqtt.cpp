// Soak run of orfa-mqtt: the real program between a Mosquitto broker of its
// own, restarted every 20 s, and the simulator on loopback, which misbehaves
// in turns (silence, late answers, refusals, dropped connections, junk, split
// frames) while a driver publishes commands, a tenth of them malformed.
// Afterwards the faults stop, and the state on the broker must be what the
// amplifier holds; then the program must stop cleanly on SIGTERM. Prints its
// figures, the program's resident memory among them; exits 1 when something
// fails.
//   soak_mqtt [seconds] [seed]
#include "ResidentMemory.h"
#include "mqtt/support/TestBroker.h"
#include "mqtt/support/TestClient.h"
#include "sim/AmpSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kMemoryGrowthLimitMiB = 10.0;
const QString kBase = QStringLiteral("soak/amp/");

bool writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool writeSettings(const QString& dir, quint16 ampPort) {
    QByteArray orfa =
        "[Orfa]\nIPZesE=127.0.0.1\nProdlevaE=100\nPortZesE=" + QByteArray::number(ampPort) + '\n';
    for (int i = 1; i <= 10; ++i)
        orfa += "Vstup" + QByteArray::number(i) + "En=1\n";
    for (int n = 1; n <= 16; ++n)
        orfa += "Vystup" + QByteArray::number(n) + "En=1\n";
    return writeFile(dir + QStringLiteral("/Orfa.ini"), orfa) &&
           writeFile(dir + QStringLiteral("/OrfaMqtt.ini"),
                     "[Mqtt]\nPrefix=soak\nAmplifierId=amp\nInterval=1\n");
}

// One command on a random topic; malformed now and then.
std::pair<QString, QByteArray> randomCommand(QRandomGenerator& random) {
    const QString output = QStringLiteral("output/%1/").arg(random.bounded(1, 17));
    if (random.bounded(10) == 0) {
        const QByteArray junk[] = {"", "loud", "80", "-1", "1e3", "\xff\xfe", "ON OFF"};
        const QString topics[] = {
            output + QStringLiteral("level/set"), QStringLiteral("master/set"),
            output + QStringLiteral("source/set"), QStringLiteral("power/set")};
        return {topics[random.bounded(4)], junk[random.bounded(7)]};
    }
    switch (random.bounded(8)) {
    case 0:
    case 1:
    case 2:
        return {output + QStringLiteral("level/set"), QByteArray::number(random.bounded(80))};
    case 3:
        return {output + QStringLiteral("source/set"), QByteArray::number(random.bounded(1, 11))};
    case 4:
        return {output + QStringLiteral("mute/set"), random.bounded(2) ? "ON" : "OFF"};
    case 5:
        return {QStringLiteral("master/set"), QByteArray::number(random.bounded(-79, 81))};
    case 6:
        return {QStringLiteral("preset/set"), QByteArray::number(random.bounded(1, 9))};
    default:
        return {QStringLiteral("memory/set"), QByteArray::number(random.bounded(1, 10))};
    }
}

// The faults in turns, the last of them none.
std::vector<std::function<void(orfa::sim::AmpSimulator&)>> faultTurns() {
    using Sim = orfa::sim::AmpSimulator;
    return {
        [](Sim& sim) { sim.faults().silent = true; },
        [](Sim& sim) { sim.faults().answerDelayMs = 300; },
        [](Sim& sim) { sim.faults().ackCode = 1; },
        [](Sim& sim) { sim.faults().dropAfterAnswer = true; },
        [](Sim& sim) { sim.faults().garbageBeforeAnswer = true; },
        [](Sim& sim) { sim.faults().splitAnswers = true; },
        [](Sim& sim) { sim.dropConnections(); },
        [](Sim&) {},
    };
}

// Differences between the state on the broker and what the amplifier holds.
int disagreements(const TestClient& client, const orfa::sim::AmpState& amp, bool print) {
    int differences = 0;
    auto check = [&](const QString& topic, const QByteArray& expected) {
        const QByteArray published = client.last(kBase + topic);
        if (published != expected) {
            if (print)
                std::printf("  differs: %s is \"%s\", the amplifier has \"%s\"\n",
                            qPrintable(topic), published.constData(), expected.constData());
            ++differences;
        }
    };
    check(QStringLiteral("power"), amp.power ? "ON" : "OFF");
    check(QStringLiteral("master"), QByteArray::number(amp.mix.masterVolumeDb));
    for (int n = 1; n <= 16; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const QString output = QStringLiteral("output/%1/").arg(n);
        check(output + QStringLiteral("level"), QByteArray::number(amp.mix.levels.at(i)));
        check(output + QStringLiteral("source"),
              "Vstup " + QByteArray::number(amp.mix.sources.at(i)));
    }
    return differences;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(10, atoi(argv[1])) : 180;
    const auto seed = static_cast<quint32>(argc > 2 ? atoi(argv[2]) : 20261209);
    QRandomGenerator random(seed);
    // The driver's own connection messages would only hide the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("orfa.mqtt=false"));

    TestBroker broker;
    orfa::sim::AmpSimulator sim;
    QTemporaryDir dir;
    if (!broker.start() || !sim.listen() || !writeSettings(dir.path(), sim.port())) {
        std::fprintf(stderr, "cannot set up the broker, the simulator or the settings\n");
        return 1;
    }
    sim.state() = orfa::sim::AmpState::plausible();
    TestClient driver(broker.port());
    if (!driver.connect()) {
        std::fprintf(stderr, "the driver cannot connect to the broker\n");
        return 1;
    }

    QProcess service;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORFA_CONFIG_DIR"), dir.path());
    service.setProcessEnvironment(environment);
    service.setStandardErrorFile(dir.filePath(QStringLiteral("service.log")));
    service.start(QStringLiteral(ORFA_MQTT_BINARY), {QStringLiteral("--broker"), broker.address()});
    const QString availability = kBase + QStringLiteral("availability");
    if (!service.waitForStarted() || !driver.waitFor(availability, "online", 10000)) {
        std::fprintf(stderr, "orfa-mqtt did not come online\n");
        return 1;
    }
    const double startMiB = residentMiB(service.processId());
    double peakMiB = startMiB;

    long long commands = 0;
    long long unsent = 0; // while the broker restarts
    long long faultChanges = 0;
    long long brokerRestarts = 0;
    long long wentOffline = 0;
    QByteArray lastAvailability = "online";
    const auto faults = faultTurns();
    QTimer commandTimer;
    QObject::connect(&commandTimer, &QTimer::timeout, [&] {
        const auto [topic, payload] = randomCommand(random);
        if (driver.client().publish(kBase + topic, payload, false))
            ++commands;
        else
            ++unsent;
    });
    QTimer faultTimer;
    QObject::connect(&faultTimer, &QTimer::timeout, [&] {
        sim.faults() = {};
        faults.at(static_cast<std::size_t>(faultChanges) % faults.size())(sim);
        ++faultChanges;
    });
    QTimer brokerTimer;
    QObject::connect(&brokerTimer, &QTimer::timeout, [&] {
        broker.restart();
        ++brokerRestarts;
    });
    QTimer monitor;
    QObject::connect(&monitor, &QTimer::timeout, [&] {
        peakMiB = std::max(peakMiB, residentMiB(service.processId()));
        const QByteArray now = driver.last(availability);
        if (now != lastAvailability && now == "offline")
            ++wentOffline;
        lastAvailability = now;
    });
    commandTimer.start(100);
    faultTimer.start(5000);
    brokerTimer.start(20000);
    monitor.start(200);

    QElapsedTimer clock;
    clock.start();
    QTest::qWait(seconds * 1000);
    commandTimer.stop();
    faultTimer.stop();
    brokerTimer.stop();
    monitor.stop();
    sim.faults() = {};
    const bool alive = service.state() == QProcess::Running;

    // Faults over: once the queue has drained and a poll has run, the broker
    // must hold what the amplifier holds.
    bool online = driver.waitFor(availability, "online", 20000);
    const bool agree =
        QTest::qWaitFor([&] { return disagreements(driver, sim.state(), false) == 0; }, 20000);
    const int differences = disagreements(driver, sim.state(), true);
    const double endMiB = residentMiB(service.processId());

    service.terminate();
    const bool stopped = service.waitForFinished(10000) &&
                         service.exitStatus() == QProcess::NormalExit && service.exitCode() == 0;
    const bool offline = driver.waitFor(availability, "offline");
    QFile log(dir.filePath(QStringLiteral("service.log")));
    const QByteArray logText = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();

    const bool memoryOk = endMiB - startMiB <= kMemoryGrowthLimitMiB;
    std::printf("soak-mqtt: %.0f s, seed %u\n", static_cast<double>(clock.elapsed()) / 1000.0,
                seed);
    std::printf("  commands published    %lld (a tenth malformed), %lld ignored by the service, "
                "%lld not sent while the broker restarted\n",
                commands, static_cast<long long>(logText.count("ignored ")), unsent);
    std::printf("  fault changes         %lld, broker restarts %lld\n", faultChanges,
                brokerRestarts);
    std::printf("  frames at amplifier   %zu, connections %d\n", sim.receivedFrames().size(),
                sim.connectionsAccepted());
    std::printf("  availability          went offline %lld times; online at the end: %s\n",
                wentOffline, online ? "yes" : "NO");
    std::printf("  resident memory       %.1f MiB at start, %.1f peak, %.1f at end (growth limit "
                "%.0f MiB)%s\n",
                startMiB, peakMiB, endMiB, kMemoryGrowthLimitMiB, memoryOk ? "" : "  OVER");
    std::printf("  service               %s, %s on SIGTERM, said offline: %s\n",
                alive ? "ran throughout" : "DIED", stopped ? "stopped cleanly" : "DID NOT STOP",
                offline ? "yes" : "NO");
    std::printf("  broker vs. amplifier  %s\n",
                agree && differences == 0 ? "agree on power, master, every level and source"
                                          : "DISAGREE");
    return alive && online && agree && differences == 0 && memoryOk && stopped && offline ? 0 : 1;
}
