// Idle cost of a connected panel: the panel starts against the simulator,
// answers its first requests, and is then left alone. Over the measured
// minute it should only wake for the link's 1 s disconnect check (and the
// toolkit's own timers). Prints CPU use and wake-ups per second.
//   bench_idle [seconds]
#include "sim/AmpSimulator.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

struct Usage {
    double cpuSeconds = 0;
    long long wakeups = 0; // voluntary context switches of the main thread
};

// CPU of the whole process; wake-ups of its main thread, where the event
// loop, the timers and the widgets live (helper threads come and go).
Usage usageOf(qint64 pid) {
    Usage usage;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        // Fields after the command name, which is in parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12) {
            const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
            usage.cpuSeconds = (fields[11].toDouble() + fields[12].toDouble()) / ticks;
        }
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& row : status.readAll().split('\n')) {
            if (row.startsWith("voluntary_ctxt_switches:"))
                usage.wakeups = row.mid(24).trimmed().toLongLong();
        }
    }
    return usage;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
    orfa::sim::AmpSimulator sim;
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Orfa.ini")));
    if (!sim.listen() || !ini.open(QIODevice::WriteOnly))
        return 1;
    sim.state() = orfa::sim::AmpState::plausible();
    ini.write(QStringLiteral("[Orfa]\nIPZesE=127.0.0.1\nPortZesE=%1\n").arg(sim.port()).toUtf8());
    ini.close();

    QProcess panel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), dir.path());
    panel.setProcessEnvironment(env);
    panel.setStandardErrorFile(QProcess::nullDevice());
    panel.start(QStringLiteral(ORFA_BINARY), {});
    // Connected, first requests answered, and the idle connection closed again.
    if (!QTest::qWaitFor([&] { return sim.connectionsAccepted() > 0; }, 30000))
        return 1;
    QTest::qWait(8000);
    const Usage before = usageOf(panel.processId());
    QTest::qWait(seconds * 1000);
    const Usage after = usageOf(panel.processId());
    panel.terminate();
    panel.waitForFinished(10000);

    const double cpu = after.cpuSeconds - before.cpuSeconds;
    const double wakeups = static_cast<double>(after.wakeups - before.wakeups);
    std::printf("idle panel over %d s (connected, then left alone):\n", seconds);
    std::printf("  CPU  %.3f s = %.3f %% of one core\n", cpu, 100.0 * cpu / seconds);
    std::printf("  main-thread wake-ups  %.0f = %.2f per second\n", wakeups, wakeups / seconds);
    return 0;
}
