// Start-up time and peak memory of the panel against the floor of a Qt
// Widgets program that shows an empty window. Time: from process start until
// the program connects to the amplifier, which the panel does when it queues
// its first request after its window is shown. Memory: the peak resident set
// (VmHWM) at that moment. Median of several runs, offscreen platform.
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

struct Sample {
    double ms = 0;
    double peakMiB = 0;
};

double peakResidentMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

Sample measure(const QString& program, const QStringList& arguments, const QString& configDir,
               orfa::sim::AmpSimulator& sim) {
    const int before = sim.connectionsAccepted();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), configDir);
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    Sample sample;
    if (QTest::qWaitFor([&] { return sim.connectionsAccepted() > before; }, 30000)) {
        sample.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        sample.peakMiB = peakResidentMiB(process.processId());
    }
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    return sample;
}

Sample median(std::vector<Sample> samples) {
    auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end(),
                     [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
    Sample result = *middle;
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.peakMiB < b.peakMiB; });
    result.peakMiB = samples[samples.size() / 2].peakMiB;
    return result;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    orfa::sim::AmpSimulator sim;
    if (!sim.listen()) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Orfa.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Orfa]\nIPZesE=127.0.0.1\nPortZesE=%1\n").arg(sim.port()).toUtf8());
    ini.close();

    std::vector<Sample> panel;
    std::vector<Sample> floor;
    for (int i = 0; i < runs; ++i) {
        panel.push_back(measure(QStringLiteral(ORFA_BINARY), {}, dir.path(), sim));
        floor.push_back(measure(QStringLiteral(MINIMAL_BINARY), {QString::number(sim.port())},
                                dir.path(), sim));
    }
    const Sample p = median(panel);
    const Sample f = median(floor);
    std::printf("start-up, median of %d runs (offscreen):\n", runs);
    std::printf("  orfa            %7.1f ms  peak %6.1f MiB\n", p.ms, p.peakMiB);
    std::printf("  minimal window  %7.1f ms  peak %6.1f MiB\n", f.ms, f.peakMiB);
    std::printf("  ratio           %7.2f x        %6.2f x\n", f.ms > 0 ? p.ms / f.ms : 0.0,
                f.peakMiB > 0 ? p.peakMiB / f.peakMiB : 0.0);
    return 0;
}
