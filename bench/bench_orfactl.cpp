// Wall time of orfactl against the simulator on loopback, as a script sees
// it: `orfactl status` (six requests) and a restore of a snapshot in which
// everything differs from the amplifier's state. The floor is one 100 ms send
// tick per frame: orfactl sends the next frame only when the amplifier has
// answered the one before. Median of 7 runs.
#include "sim/AmpSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kTickMs = 100;

struct Run {
    double ms = -1;
    std::size_t frames = 0;
};

Run runOrfactl(const QStringList& arguments, const QString& configDir,
               orfa::sim::AmpSimulator& sim) {
    sim.clearReceivedFrames();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), configDir);
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(ORFACTL_BINARY), arguments);
    // The simulator answers from this event loop, so wait by polling it.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000) ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "orfactl %s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
        return {};
    }
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6, sim.receivedFrames().size()};
}

Run median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    return runs.at(runs.size() / 2);
}

void print(const char* what, const Run& run) {
    std::printf("%-30s median %7.0f ms over %d runs, %3zu frames (floor %5.0f ms)\n", what, run.ms,
                kRuns, run.frames, static_cast<double>(run.frames) * kTickMs);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    orfa::sim::AmpSimulator sim;
    QTemporaryDir dir;
    if (!sim.listen() || !dir.isValid())
        return 1;
    QFile ini(dir.filePath(QStringLiteral("Orfa.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    QByteArray lines =
        "[Orfa]\nIPZesE=127.0.0.1\nPortZesE=" + QByteArray::number(sim.port()) + "\n";
    for (int i = 1; i <= 10; ++i)
        lines += "Vstup" + QByteArray::number(i) + "En=1\n";
    for (int j = 1; j <= 16; ++j)
        lines += "Vystup" + QByteArray::number(j) + "En=1\n";
    ini.write(lines);
    ini.close();

    sim.state() = orfa::sim::AmpState::plausible();
    const orfa::sim::AmpState saved = sim.state();
    const QString snapshot = dir.filePath(QStringLiteral("scene.json"));
    if (runOrfactl({QStringLiteral("snapshot"), QStringLiteral("save"), snapshot}, dir.path(), sim)
            .ms < 0)
        return 1;

    std::vector<Run> status;
    std::vector<Run> restore;
    for (int run = 0; run < kRuns; ++run) {
        status.push_back(runOrfactl({QStringLiteral("status")}, dir.path(), sim));
        orfa::sim::AmpState changed = saved;
        changed.mix.masterVolumeDb = 5;
        changed.mix.levels.fill(3);
        changed.mix.sources.fill(7);
        changed.mix.inputParameters.fill(1);
        sim.state() = changed;
        restore.push_back(runOrfactl(
            {QStringLiteral("snapshot"), QStringLiteral("restore"), snapshot}, dir.path(), sim));
    }
    print("orfactl status", median(status));
    print("orfactl snapshot restore (all)", median(restore));
    return 0;
}
