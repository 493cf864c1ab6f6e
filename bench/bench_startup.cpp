// Start-up time and peak memory of the panel against two floors: a Qt Widgets
// program that shows an empty window, and one whose window holds a label, a
// menu and a status bar (what any window with text pays for fonts). Time:
// from process start until the program connects to the amplifier, which the
// panel does when it queues its first request after its window is shown.
// Memory: the peak resident set (VmHWM) at that moment. Median of several
// runs, offscreen platform. The connection ends the wait at once (an event
// loop, no polling), so the figures are not rounded up to a polling interval.
#include "ResidentMemory.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    double peakMiB = 0;
};

Sample measure(const QString& program, const QStringList& arguments, const QString& configDir,
               QTcpServer& amplifier) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), configDir);
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop wait;
    QTimer::singleShot(30000, &wait, &QEventLoop::quit);
    Sample sample;
    QElapsedTimer clock;
    const auto connection = QObject::connect(&amplifier, &QTcpServer::newConnection, &wait, [&] {
        sample.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        sample.peakMiB = peakResidentMiB(process.processId());
        amplifier.nextPendingConnection()->deleteLater();
        wait.quit();
    });
    clock.start();
    process.start(program, arguments);
    wait.exec();
    QObject::disconnect(connection);
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
    // Stands in for the amplifier: only the moment of the connection counts.
    QTcpServer amplifier;
    if (!amplifier.listen(QHostAddress::LocalHost)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Orfa.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write(QStringLiteral("[Orfa]\nIPZesE=127.0.0.1\nPortZesE=%1\n")
                  .arg(amplifier.serverPort())
                  .toUtf8());
    // Dated back, as a site's settings file is: one written within the last
    // two seconds is read anew at every key (its time cannot yet tell a later
    // change), which is not the start-up being measured.
    const bool dated = ini.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                       QFileDevice::FileModificationTime);
    ini.close();
    if (!dated)
        return 1;

    const QStringList port{QString::number(amplifier.serverPort())};
    std::vector<Sample> panel;
    std::vector<Sample> empty;
    std::vector<Sample> text;
    for (int i = 0; i < runs; ++i) {
        panel.push_back(measure(QStringLiteral(ORFA_BINARY), {}, dir.path(), amplifier));
        empty.push_back(measure(QStringLiteral(MINIMAL_BINARY), port, dir.path(), amplifier));
        text.push_back(measure(QStringLiteral(MINIMAL_BINARY),
                               port + QStringList{QStringLiteral("text")}, dir.path(), amplifier));
    }
    const Sample p = median(panel);
    std::printf("start-up, median of %d runs (offscreen):\n", runs);
    std::printf("  orfa              %7.1f ms  peak %6.1f MiB\n", p.ms, p.peakMiB);
    const auto row = [&p](const char* name, const Sample& floor) {
        std::printf("  %-17s %7.1f ms  peak %6.1f MiB   orfa: %4.2f x  %4.2f x\n", name, floor.ms,
                    floor.peakMiB, floor.ms > 0 ? p.ms / floor.ms : 0.0,
                    floor.peakMiB > 0 ? p.peakMiB / floor.peakMiB : 0.0);
    };
    row("empty window", median(empty));
    row("window with text", median(text));
    return 0;
}
