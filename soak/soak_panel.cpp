// Soak run: the panel against the simulator on loopback while a driver moves
// controls continuously and the amplifier misbehaves in turns (silence, late
// answers, refusals, dropped connections, junk, split frames). Afterwards the
// faults stop and, after a page change, the panel must show exactly what the
// amplifier holds. Prints its figures; exits 1 when a bound or the agreement
// fails.
//   soak_panel [seconds] [seed]
#include "ResidentMemory.h"
#include "SoakDriver.h"
#include "data/DataModule.h"
#include "link/ReceiveBuffer.h"
#include "link/SendQueue.h"
#include "link/ValueCodec.h"
#include "panel/InputBox.h"
#include "panel/OrfaForm.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "sim/AmpSimulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double kMemoryGrowthLimitMiB = 30.0;

bool writeSettings(const QString& dir, quint16 port) {
    QFile ini(dir + QStringLiteral("/Orfa.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    QByteArray text =
        "[Orfa]\nIPZesE=127.0.0.1\nProdlevaE=40\nVstupyRG=1\nPortZesE=" + QByteArray::number(port) +
        '\n';
    for (int i = 1; i <= 10; ++i)
        text += "Vstup" + QByteArray::number(i) + "En=1\n";
    for (int n = 1; n <= 16; ++n)
        text += "Vystup" + QByteArray::number(n) + "En=1\n";
    return ini.write(text) == text.size();
}

// Differences between what the panel shows and what the amplifier holds.
int disagreements(orfa::panel::OrfaForm& form, const orfa::sim::AmpState& amp) {
    int differences = 0;
    auto check = [&](bool same, const char* what, int index) {
        if (!same) {
            std::printf("  differs: %s %d\n", what, index);
            ++differences;
        }
    };
    for (int n = 1; n <= 16; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const orfa::panel::OutputStrip* strip = form.outputStrip(n);
        check(strip->levelSlider()->value() == amp.mix.levels.at(i), "level of output", n);
        check(strip->selectedSource() == amp.mix.sources.at(i), "source of output", n);
    }
    check(form.masterVolumeSlider()->value() == 80 - amp.mix.masterVolumeDb, "master volume", 0);
    for (int k = 1; k <= 5; ++k) {
        for (int p = 1; p <= 6; ++p) {
            const auto byte =
                amp.mix.inputParameters.at(static_cast<std::size_t>(6 * (k - 1) + p - 1));
            const int expected =
                std::clamp(orfa::link::inputParameterPosition(p, byte), 0, p == 1 ? 15 : 24);
            check(form.inputBox(k)->slider(p - 1)->value() == expected, "input parameter",
                  10 * k + p);
        }
    }
    return differences;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 180;
    const auto seed = static_cast<quint32>(argc > 2 ? atoi(argv[2]) : 20261209);

    orfa::sim::AmpSimulator sim;
    QTemporaryDir dir;
    if (!sim.listen() || !writeSettings(dir.path(), sim.port())) {
        std::fprintf(stderr, "cannot set up the simulator or the settings\n");
        return 1;
    }
    sim.state() = orfa::sim::AmpState::plausible();
    sim.state().power = true;

    orfa::data::DataModule data(dir.path());
    orfa::panel::OrfaForm form(data, {});
    form.show();
    if (!QTest::qWaitFor([&] { return form.startupFinished(); }, 10000))
        return 1;
    if (!QTest::qWaitFor([&] { return data.amplifier().power() == orfa::link::PowerState::On; },
                         10000))
        std::fprintf(stderr, "the amplifier did not report that it is on\n");

    const double startMiB = residentMiB();
    double peakMiB = startMiB;
    std::size_t maxQueue = 0;
    std::size_t maxBuffer = 0;
    QTimer monitor;
    monitor.setInterval(50);
    QObject::connect(&monitor, &QTimer::timeout, [&] {
        maxQueue = std::max<std::size_t>(maxQueue, data.link().queuedCount());
        maxBuffer = std::max(maxBuffer, data.link().receiveBufferSize());
        peakMiB = std::max(peakMiB, residentMiB());
    });
    monitor.start();

    SoakDriver driver(form, data.amplifier(), sim, seed);
    QElapsedTimer clock;
    clock.start();
    driver.start();
    QTest::qWait(seconds * 1000);
    driver.stop();

    // Faults over: let the queue drain, then show the pages afresh.
    auto drained = [&] { return QTest::qWaitFor([&] { return data.link().isIdle(); }, 20000); };
    bool settled = drained();
    // Answers the amplifier held back while it was slow must land first.
    QTest::qWait(1000);
    // Read every page again, whichever is current: showing the current page anew
    // would request nothing.
    const int currentPage = form.pages()->currentIndex();
    form.refreshInputsPage();
    settled = drained() && settled;
    form.refreshOutputsPage();
    settled = drained() && settled;
    QTest::qWait(300);
    const double endMiB = residentMiB();
    monitor.stop();

    const int differences = disagreements(form, sim.state());
    const bool queueOk = maxQueue <= orfa::link::SendQueue::kSlots;
    const bool bufferOk = maxBuffer <= orfa::link::ReceiveBuffer::kPendingBound;
    const bool memoryOk = endMiB - startMiB <= kMemoryGrowthLimitMiB;
    std::printf("soak: %.0f s, seed %u\n", static_cast<double>(clock.elapsed()) / 1000.0, seed);
    std::printf("  operator actions      %lld\n", static_cast<long long>(driver.actions()));
    std::printf("  fault changes         %lld\n", static_cast<long long>(driver.faultChanges()));
    std::printf("  frames at amplifier   %zu, connections %d\n", sim.receivedFrames().size(),
                sim.connectionsAccepted());
    std::printf("  longest queue         %zu of %zu slots%s\n", maxQueue,
                static_cast<std::size_t>(orfa::link::SendQueue::kSlots), queueOk ? "" : "  OVER");
    std::printf("  largest receive buf.  %zu of %zu bytes%s\n", maxBuffer,
                orfa::link::ReceiveBuffer::kPendingBound, bufferOk ? "" : "  OVER");
    std::printf("  resident memory       %.1f MiB at start, %.1f peak, %.1f at end (growth limit "
                "%.0f MiB)%s\n",
                startMiB, peakMiB, endMiB, kMemoryGrowthLimitMiB, memoryOk ? "" : "  OVER");
    std::printf("  queue drained         %s\n", settled ? "yes" : "NO");
    std::printf("  page current at end   %s (every page read again)\n",
                currentPage == orfa::panel::OrfaForm::kInputsPage ? "inputs" : "outputs");
    std::printf("  panel vs. amplifier   %s\n",
                differences == 0 ? "agree on every level, source and parameter" : "DISAGREE");
    return settled && queueOk && bufferOk && memoryOk && differences == 0 ? 0 : 1;
}
