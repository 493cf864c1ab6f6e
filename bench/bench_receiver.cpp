// Receiver throughput of the amplifier link: the simulator floods an AmpLink
// with answers over loopback; every answer is cut, matched against the queue,
// decoded and dispatched to a display handler. Prints answers per second and
// the longest time one data event kept the event loop busy.
//
//   build/bench/bench_receiver [seconds]

#include "link/AmpLink.h"
#include "link/AnswerDecoder.h"
#include "sim/AmpSimulator.h"
#include "spinel/Spinel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

using orfa::link::AmpLink;
using orfa::link::Bytes;

namespace {

QByteArray answer(std::uint8_t signature, const Bytes& data) {
    const Bytes frame = orfa::spinel::makeFrame('a', 1, signature, 0, data);
    return QByteArray(reinterpret_cast<const char*>(frame.data()),
                      static_cast<qsizetype>(frame.size()));
}

Bytes pairs(std::uint8_t count, std::uint8_t firstKey, std::uint8_t value) {
    Bytes data;
    for (std::uint8_t i = 0; i < count; ++i) {
        data.push_back(static_cast<std::uint8_t>(firstKey + i));
        data.push_back(value);
    }
    return data;
}

// One of each answer the main window decodes: 6 frames, 182 bytes.
QByteArray answerMix() {
    return answer(80, {0xC6}) + answer(81, pairs(16, 1, 40)) + answer(82, pairs(16, 1, 3)) +
           answer(83, pairs(30, 0x11, 0x05)) + answer(171, {0xFF}) + answer(173, {104, 50});
}
constexpr int kFramesPerMix = 6;

bool runUntil(const std::function<bool()>& done, qint64 timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

struct Phase {
    qint64 answers = 0;
    qint64 bytes = 0;
    qint64 elapsedNs = 0;
    AmpLink::ReceiverStats stats;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 2.0;

    orfa::sim::AmpSimulator sim;
    if (!sim.listen()) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    AmpLink link;
    link.setAddress(QStringLiteral("127.0.0.1"), QString::number(sim.port()));
    link.setSendDelay(0);

    qint64 dispatched = 0;
    long long sink = 0; // keeps the decoding from being optimised away
    link.setDisplayHandler(80, [&](const Bytes& f) {
        sink += orfa::link::decodeMasterVolume(f).value_or(0);
        ++dispatched;
    });
    link.setDisplayHandler(81, [&](const Bytes& f) {
        for (const auto& v : orfa::link::decodeOutputLevels(f))
            sink += v.value;
        ++dispatched;
    });
    link.setDisplayHandler(82, [&](const Bytes& f) {
        for (const auto& v : orfa::link::decodeOutputSources(f))
            sink += v.value;
        ++dispatched;
    });
    link.setDisplayHandler(83, [&](const Bytes& f) {
        for (const auto& v : orfa::link::decodeInputParameters(f))
            sink += v.position;
        ++dispatched;
    });
    link.setDisplayHandler(171, [&](const Bytes& f) {
        sink += orfa::link::decodePowerState(f) == orfa::link::PowerState::On;
        ++dispatched;
    });
    link.setDisplayHandler(173, [&](const Bytes& f) {
        sink += orfa::link::decodeTunedFrequency(f).has_value();
        ++dispatched;
    });

    QTimer heartbeat; // wakes the waiting loop even when nothing arrives
    heartbeat.start(50);

    // Connect with a power request and wait for its answer.
    link.send({orfa::spinel::makeFrame('a', 1, 171, 171, {}), 171, true, {}});
    if (!runUntil([&] { return link.isIdle() && dispatched == 1; }, 5000)) {
        std::fprintf(stderr, "the simulator did not answer\n");
        return 1;
    }

    // Steady flood: batches of 64 mixes (384 answers, 11.6 kB), the next
    // batch written as soon as the link has dispatched the previous one.
    const auto flood = [&](int mixesPerWrite, qint64 budgetNs) {
        const QByteArray batch = answerMix().repeated(mixesPerWrite);
        const qint64 perBatch = static_cast<qint64>(mixesPerWrite) * kFramesPerMix;
        link.resetReceiverStats();
        Phase phase;
        QElapsedTimer clock;
        clock.start();
        do {
            const qint64 target = dispatched + perBatch;
            sim.sendRaw(batch);
            if (!runUntil([&] { return dispatched >= target; }, 10000))
                break;
            phase.answers += perBatch;
            phase.bytes += batch.size();
        } while (clock.nsecsElapsed() < budgetNs);
        phase.elapsedNs = clock.nsecsElapsed();
        phase.stats = link.receiverStats();
        return phase;
    };

    const qint64 budget = static_cast<qint64>(seconds * 1e9);
    const Phase steady = flood(64, budget);
    // Bursts: one write of 4096 mixes (24,576 answers, 745 kB) at a time,
    // to see how long a single data event can block.
    const Phase burst = flood(4096, budget);

    const auto perSecond = [](const Phase& p) {
        return static_cast<double>(p.answers) / (static_cast<double>(p.elapsedNs) / 1e9);
    };
    const auto ms = [](qint64 ns) { return static_cast<double>(ns) / 1e6; };
    const auto print = [&](const char* name, const Phase& p) {
        const qint64 events = std::max<qint64>(p.stats.dataEvents, 1);
        std::printf("%-6s %9lld answers in %.2f s: %9.0f answers/s, %6.1f MB/s; %lld data events, "
                    "mean %.3f ms, longest %.3f ms\n",
                    name, static_cast<long long>(p.answers), static_cast<double>(p.elapsedNs) / 1e9,
                    perSecond(p),
                    static_cast<double>(p.bytes) / (static_cast<double>(p.elapsedNs) / 1e3),
                    static_cast<long long>(p.stats.dataEvents), ms(p.stats.busyNs / events),
                    ms(p.stats.longestDataEventNs));
    };
    print("steady", steady);
    print("burst", burst);
    const auto mean = [&](const Phase& p) {
        return ms(p.stats.busyNs / std::max<qint64>(p.stats.dataEvents, 1));
    };
    std::printf("README: bench_receiver: %.0f answers/s decoded and dispatched; data event mean "
                "%.2f ms, longest %.2f ms (steady) / mean %.2f ms, longest %.2f ms (bursts of 745 "
                "kB)\n",
                perSecond(steady), mean(steady), ms(steady.stats.longestDataEventNs), mean(burst),
                ms(burst.stats.longestDataEventNs));
    std::fprintf(stderr, "(checksum %lld)\n", sink);
    return 0;
}
