// The simulated amplifier over a real loopback socket: state after commands,
// layouts of the answers, framing of what it reads, and its fault modes.

#include "sim/AmpSimulator.h"
#include "sim/support/SimClient.h"

#include "link/AnswerDecoder.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace orfa;
using namespace orfa::link;
using spinel::Bytes;

using orfa::test::frame;
using orfa::test::raw;
namespace {

constexpr std::size_t kSignature = spinel::kFrame97SignatureOffset;
constexpr std::size_t kAck = spinel::kFrame97InstructionOffset;

} // namespace

class TestSimulator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sim::AmpSimulator> amp;
    std::unique_ptr<test::SimClient> client;
    SignatureCounter signature;

private Q_SLOTS:
    void init() {
        amp = std::make_unique<sim::AmpSimulator>();
        QVERIFY(amp->listen(QHostAddress::LocalHost, 0));
        client = std::make_unique<test::SimClient>();
        QVERIFY(client->connectTo(amp->port()));
        QTRY_COMPARE_WITH_TIMEOUT(amp->openConnections(), 1, 1000);
    }

    void cleanup() {
        client.reset();
        amp.reset();
    }

    // Every setting is acknowledged with its own signature, without data,
    // and lands in the state.
    void settingsChangeTheState() {
        sim::AmpState& state = amp->state();
        state.power = false;
        const std::vector<Command> commands{
            buildSetMasterVolume(signature, 150),
            buildSetOutputLevels(signature, {{3, 40}, {1, 41}, {16, 79}}),
            buildSetOutputSource(signature, 5, 10),
            buildSetInputParameter(signature, 3, 4, 20),
            buildSetInputParameter(signature, 5, 1, 15),
            buildSetPower(signature, true),
            buildStoreRadioMemories(signature,
                                    [] {
                                        RadioMemories memories{};
                                        memories[0] = {{104, 50}, true};
                                        memories[8] = {{99, 100}, false};
                                        return memories;
                                    }()),
            buildTuneRadioMemory(signature, 9),
            buildStoreSchedule(signature,
                               [] {
                                   WeeklySchedule schedule;
                                   schedule.inOperation = true;
                                   schedule.days[2] = {{7, 20}, {18, 50}};
                                   return schedule;
                               }()),
        };
        for (const Command& command : commands) {
            const Bytes answer = client->exchange(command.frame);
            QCOMPARE(answer.size(), spinel::kFrame97Overhead);
            QCOMPARE(answer[kSignature], command.frame[kSignature]);
            QCOMPARE(answer[kAck], 0);
        }
        QCOMPARE(state.mix.masterVolumeDb, -70);
        QCOMPARE(state.mix.levels[2], 40);
        QCOMPARE(state.mix.levels[0], 41);
        QCOMPARE(state.mix.levels[15], 79);
        QCOMPARE(state.mix.sources[4], 10);
        QCOMPARE(state.mix.inputParameters[15], 0x88); // box 3 (2 * 6), 1 kHz (+ 3), -8 dB
        QCOMPARE(state.mix.inputParameters[24], 15);   // box 5 (4 * 6) gain
        QVERIFY(state.power);
        QCOMPARE(state.memories[0], (sim::RadioMemory{104, 50, true}));
        QCOMPARE(state.tunedMhz, 99);
        QCOMPARE(state.tunedHundredths, 100);
        QVERIFY(state.scheduleOn);
        QCOMPARE(state.schedule[2], (sim::ScheduleDay{7, 20, 18, 50}));
        QCOMPARE(amp->receivedFrames().size(), commands.size());
    }

    // The requests come back in the layouts the panel decodes, and decoding
    // them gives back the state.
    void requestsAnswerWithTheirLayouts() {
        amp->state() = sim::AmpState::plausible();
        const sim::AmpState& state = amp->state();

        Bytes answer = client->exchange(buildReadMasterVolume(signature).frame);
        QCOMPARE(answer.size(), 10u);
        QCOMPARE(answer[kSignature], kReadMasterVolume);
        QCOMPARE(decodeMasterVolume(answer), 80 - state.mix.masterVolumeDb);

        answer = client->exchange(buildReadOutputLevels(signature).frame);
        QCOMPARE(answer.size(), 9u + 32u);
        const auto levels = decodeOutputLevels(answer);
        QCOMPARE(levels.size(), 16u);
        for (const OutputValue& level : levels)
            QCOMPARE(level.value, state.mix.levels[static_cast<std::size_t>(level.output - 1)]);

        answer = client->exchange(buildReadOutputSources(signature).frame);
        const auto sources = decodeOutputSources(answer);
        QCOMPARE(sources.size(), 16u);
        QCOMPARE(sources[6], (OutputValue{7, state.mix.sources[6]}));

        answer = client->exchange(buildReadInputParameters(signature).frame);
        QCOMPARE(answer.size(), 69u); // the longest answer of all
        const auto parameters = decodeInputParameters(answer);
        QCOMPARE(parameters.size(), 30u);
        QCOMPARE(parameters[0].address, (InputParameterAddress{1, 1}));
        QCOMPARE(parameters[29].address, (InputParameterAddress{5, 6}));

        answer = client->exchange(buildReadPower(signature).frame);
        QCOMPARE(decodePowerState(answer), PowerState::On);

        answer = client->exchange(buildReadTunedFrequency(signature).frame);
        QCOMPARE(decodeTunedFrequency(answer), (RadioFrequency{104, 50}));

        answer = client->exchange(buildReadRadioMemories(signature).frame);
        QCOMPARE(answer.size(), 45u);
        const auto memories = decodeRadioMemoriesAnswer(answer);
        QVERIFY(memories.has_value());
        QCOMPARE((*memories)[3].frequency, (RadioFrequency{94, 60}));

        answer = client->exchange(buildReadSchedule(signature).frame);
        QCOMPARE(answer.size(), 45u);
        const auto schedule = decodeScheduleAnswer(answer);
        QVERIFY(schedule.has_value());
        QVERIFY(schedule->inOperation);
        QCOMPARE(schedule->days[5], (ScheduleDay{{8, 30}, {12, 0}}));
    }

    // A request that names only some items gets only those, in its order.
    void requestAnswersTheItemsItNames() {
        amp->state().mix.levels[4] = 33;
        amp->state().mix.levels[1] = 22;
        const Bytes answer = client->exchange(frame(0x51, kReadOutputLevels, {5, 2}));
        QCOMPARE(decodeOutputLevels(answer), (std::vector<OutputValue>{{5, 33}, {2, 22}}));
    }

    void presetsStoreAndRecallTheMix() {
        client->exchange(buildSetOutputLevels(signature, {{1, 10}}).frame);
        client->exchange(buildStorePreset(signature, 3).frame);
        client->exchange(buildSetOutputLevels(signature, {{1, 70}}).frame);
        client->exchange(buildSetMasterVolume(signature, 0).frame);
        QVERIFY(amp->state().presetStored[2]);
        QCOMPARE(amp->state().mix.levels[0], 70);

        const Bytes answer = client->exchange(buildActivatePreset(signature, 3).frame);
        QCOMPARE(answer[kAck], 0);
        QCOMPARE(amp->state().mix.levels[0], 10);
        QCOMPARE(amp->state().mix.masterVolumeDb, sim::MixState{}.masterVolumeDb);
    }

    // Data the amplifier cannot take is refused as a whole: nothing changes.
    void refusesWhatItCannotTake_data() {
        QTest::addColumn<int>("instruction");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("ack");
        QTest::newRow("levels odd") << 0x41 << QByteArray::fromHex("0328 01") << 2;
        QTest::newRow("level output 17") << 0x41 << QByteArray::fromHex("0328 1128") << 2;
        QTest::newRow("level 80") << 0x41 << QByteArray::fromHex("0328 0150") << 2;
        QTest::newRow("volume +81") << 0x40 << QByteArray::fromHex("51") << 2;
        QTest::newRow("source 11") << 0x42 << QByteArray::fromHex("010b") << 2;
        QTest::newRow("source 0") << 0x42 << QByteArray::fromHex("0100") << 2;
        QTest::newRow("parameter 0x21") << 0x43 << QByteArray::fromHex("2105") << 2;
        QTest::newRow("band 13 dB") << 0x43 << QByteArray::fromHex("120d") << 2;
        QTest::newRow("gain 16") << 0x43 << QByteArray::fromHex("1110") << 2;
        QTest::newRow("power 0x12") << 0xA5 << QByteArray::fromHex("12") << 2;
        QTest::newRow("memory 10") << 0xA6 << QByteArray::fromHex("0a") << 2;
        QTest::newRow("preset 9") << 0xA1 << QByteArray::fromHex("09") << 2;
        QTest::newRow("schedule short") << 0xA4 << QByteArray(35, '\x01') << 2;
        QTest::newRow("memories unnumbered") << 0xA7 << QByteArray(36, '\x01') << 2;
        QTest::newRow("unknown instruction") << 0x99 << QByteArray() << 1;
    }

    void refusesWhatItCannotTake() {
        QFETCH(int, instruction);
        QFETCH(QByteArray, data);
        QFETCH(int, ack);
        const sim::AmpState before = amp->state();
        const Bytes answer = client->exchange(
            frame(0x21, static_cast<std::uint8_t>(instruction), Bytes(data.begin(), data.end())));
        QCOMPARE(answer.size(), spinel::kFrame97Overhead);
        QCOMPARE(answer[kSignature], 0x21);
        QCOMPARE(answer[kAck], ack);
        QVERIFY(amp->state() == before);
    }

    // Junk, split writes, several frames in one write and broken frames:
    // every intact frame is read and answered, in order.
    void readsEveryIntactFrame() {
        const Bytes first = frame(0x10, kSetPower, {kPowerOn});
        const Bytes second = frame(0x11, kReadPower);
        Bytes broken = frame(0x12, kReadPower);
        broken.back() = 0x00; // no CR where the length says
        const Bytes third = frame(0x13, kReadMasterVolume);
        QByteArray bytes = "junk\r\n" + raw(first) + raw(second) + "*x" + raw(broken) + raw(third);
        const qsizetype cut = bytes.size() - 4;
        client->sendRaw(bytes.left(cut));
        QVERIFY(client->waitForAnswers(2));
        client->sendRaw(bytes.mid(cut));
        QVERIFY(client->waitForAnswers(3));
        QCOMPARE(client->answers().size(), 3u);
        QCOMPARE(client->answers()[0][kSignature], 0x10);
        QCOMPARE(client->answers()[1][kSignature], 0x11);
        QCOMPARE(client->answers()[2][kSignature], 0x13);
        QCOMPARE(amp->receivedFrames().size(), 3u);
        QCOMPARE(amp->receivedFrames()[1].frame, raw(second));
    }

    // A frame with a bad checksum or another address is recorded but not answered.
    void ignoresFramesNotForIt() {
        Bytes badSum = frame(0x30, kReadPower);
        badSum[badSum.size() - 2] ^= 0xFF;
        client->send(badSum);
        client->send(spinel::makeFrame('a', 2, 0x31, kReadPower, {}));
        const Bytes answer = client->exchange(frame(0x32, kReadPower));
        QCOMPARE(answer[kSignature], 0x32);
        QCOMPARE(client->answers().size(), 1u);
        QCOMPARE(amp->receivedFrames().size(), 3u);
    }

    void silentRecordsButNeverAnswers() {
        amp->faults().silent = true;
        QSignalSpy received(amp.get(), &sim::AmpSimulator::frameReceived);
        client->send(frame(0x50, kReadMasterVolume));
        QVERIFY(received.wait(1000));
        QVERIFY(!client->waitForAnswers(1, 200));
        QCOMPARE(amp->receivedFrames().size(), 1u);
    }

    void lateAnswersComeNoSoonerThanTheDelay() {
        amp->faults().answerDelayMs = 150;
        QElapsedTimer clock;
        clock.start();
        const Bytes answer = client->exchange(frame(0xAB, kReadPower));
        QVERIFY(clock.elapsed() >= 150);
        QCOMPARE(answer[kSignature], 0xAB);
    }

    // A refusing amplifier keeps its settings, but its answers to requests
    // still carry data, so a receiver that ignores the code gets caught.
    void nonZeroAcknowledge() {
        amp->faults().ackCode = 7;
        amp->state().power = false;
        Bytes answer = client->exchange(buildSetPower(signature, true).frame);
        QCOMPARE(answer[kAck], 7);
        QVERIFY(!amp->state().power);
        answer = client->exchange(buildReadPower(signature).frame);
        QCOMPARE(answer[kAck], 7);
        QCOMPARE(answerData(answer), (Bytes{kPowerOff}));
    }

    void dropsTheConnectionAfterAnswering() {
        amp->faults().dropAfterAnswer = true;
        QSignalSpy gone(amp.get(), &sim::AmpSimulator::clientDisconnected);
        const Bytes answer = client->exchange(frame(0xAB, kReadPower));
        QCOMPARE(answer[kSignature], 0xAB);
        QVERIFY(client->waitForDisconnect());
        QVERIFY(gone.count() == 1 || gone.wait(1000));
        QCOMPARE(amp->openConnections(), 0);
    }

    void garbageComesBeforeTheAnswerWithoutAStar() {
        amp->faults().garbageBeforeAnswer = true;
        const Bytes answer = client->exchange(frame(0xAB, kReadPower));
        const QByteArray all = client->received();
        const qsizetype star = all.indexOf('*');
        QVERIFY(star > 0);
        QCOMPARE(all.mid(star), raw(answer));
    }

    void splitAnswersArriveInTwoPieces() {
        amp->faults().splitAnswers = true;
        amp->faults().splitPauseMs = 300;
        const Bytes request = frame(0x53, kReadInputParameters);
        client->send(request);
        QVERIFY(QTest::qWaitFor([this] { return !client->chunks().isEmpty(); }, 2000));
        QCOMPARE(client->received().size(), 69 / 2); // the second half is still away
        QVERIFY(client->waitForAnswers(1));
        QCOMPARE(client->answers()[0].size(), 69u);
    }

    void connectionsAreCountedAndCanBeDropped() {
        test::SimClient second;
        QVERIFY(second.connectTo(amp->port()));
        QTRY_COMPARE_WITH_TIMEOUT(amp->openConnections(), 2, 1000);
        QCOMPARE(amp->connectionsAccepted(), 2);

        amp->sendRaw(raw(frame(0x50, 0, {0x50})));
        QVERIFY(client->waitForAnswers(1));
        QVERIFY(second.waitForAnswers(1));

        amp->dropConnections();
        QVERIFY(client->waitForDisconnect());
        QVERIFY(second.waitForDisconnect());
        QTRY_COMPARE_WITH_TIMEOUT(amp->openConnections(), 0, 1000);
        QCOMPARE(amp->connectionsAccepted(), 2);
    }

    void receivedFramesAreStampedInOrder() {
        client->exchange(frame(0x50, kReadMasterVolume));
        client->exchange(frame(0x51, kReadOutputLevels));
        const auto& frames = amp->receivedFrames();
        QCOMPARE(frames.size(), 2u);
        QVERIFY(frames[0].atMs <= frames[1].atMs);
        QVERIFY(frames[1].atMs <= amp->elapsedMs());
        amp->clearReceivedFrames();
        QVERIFY(amp->receivedFrames().empty());
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
