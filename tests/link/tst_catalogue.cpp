// The commands of the catalogue: signatures, frame bytes, queue key,
// coalescing and merge keys; and the decoders of the answers.

#include "link/AnswerDecoder.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QTest>

#include <functional>

using namespace orfa::link;
using orfa::spinel::Bytes;

using Builder = std::function<Command(SignatureCounter&)>;
Q_DECLARE_METATYPE(Builder)

using orfa::test::answer;
namespace {

Bytes hexBytes(const char* hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    return Bytes(bytes.begin(), bytes.end());
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each row builds one command after the counter stood at 10: settings
    // take 11, requests their own code.
    void commands_data() {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<int>("instruction");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("replaceOlder");
        QTest::addColumn<QByteArray>("mergeKey");
        using S = SignatureCounter;
        QTest::newRow("64 volume") << Builder([](S& s) { return buildSetMasterVolume(s, 150); })
                                   << 64 << QByteArray::fromHex("c6") << true << QByteArray();
        QTest::newRow("65 levels") << Builder([](S& s) {
            return buildSetOutputLevels(s, {{3, 40}, {1, 40}, {5, 79}});
        }) << 65 << QByteArray::fromHex("0328 0128 054f")
                                   << true << QByteArray::fromHex("010305");
        QTest::newRow("65 group run") << Builder([](S& s) {
            return buildSetOutputLevels(s, {{3, 40}, {1, 40}, {3, 40}, {5, 40}});
        }) << 65 << QByteArray::fromHex("0328 0128 0328 0528")
                                      << true << QByteArray::fromHex("010305");
        QTest::newRow("65 level clamped") << Builder([](S& s) {
            return buildSetOutputLevels(s, {{2, 90}});
        }) << 65 << QByteArray::fromHex("024f")
                                          << true << QByteArray::fromHex("02");
        QTest::newRow("66 source") << Builder([](S& s) { return buildSetOutputSource(s, 16, 10); })
                                   << 66 << QByteArray::fromHex("100a") << false << QByteArray();
        QTest::newRow("67 band") << Builder([](S& s) {
            return buildSetInputParameter(s, 3, 4, 20);
        }) << 67 << QByteArray::fromHex("5488")
                                 << true << QByteArray::fromHex("54");
        QTest::newRow("67 gain") << Builder([](S& s) {
            return buildSetInputParameter(s, 1, 1, 15);
        }) << 67 << QByteArray::fromHex("110f")
                                 << true << QByteArray::fromHex("11");
        QTest::newRow("160 store preset")
            << Builder([](S& s) { return buildStorePreset(s, 8); }) << 160
            << QByteArray::fromHex("08") << true << QByteArray();
        QTest::newRow("161 activate preset")
            << Builder([](S& s) { return buildActivatePreset(s, 1); }) << 161
            << QByteArray::fromHex("01") << true << QByteArray();
        QTest::newRow("165 on") << Builder([](S& s) { return buildSetPower(s, true); }) << 165
                                << QByteArray::fromHex("ff") << true << QByteArray();
        QTest::newRow("165 off") << Builder([](S& s) { return buildSetPower(s, false); }) << 165
                                 << QByteArray::fromHex("00") << true << QByteArray();
        QTest::newRow("166 memory") << Builder([](S& s) { return buildTuneRadioMemory(s, 9); })
                                    << 166 << QByteArray::fromHex("09") << true << QByteArray();
        QTest::newRow("80") << Builder(buildReadMasterVolume) << 80 << QByteArray() << true
                            << QByteArray();
        QTest::newRow("81") << Builder(buildReadOutputLevels) << 81
                            << QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10") << true
                            << QByteArray();
        QTest::newRow("82") << Builder(buildReadOutputSources) << 82
                            << QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10") << true
                            << QByteArray();
        QTest::newRow("83") << Builder(buildReadInputParameters) << 83
                            << QByteArray::fromHex("111213141516 313233343536 515253545556"
                                                   "717273747576 919293949596")
                            << true << QByteArray();
        QTest::newRow("170") << Builder(buildReadSchedule) << 170
                             << QByteArray::fromHex("01020304050607") << true << QByteArray();
        QTest::newRow("171") << Builder(buildReadPower) << 171 << QByteArray() << true
                             << QByteArray();
        QTest::newRow("172") << Builder(buildReadRadioMemories) << 172
                             << QByteArray::fromHex("010203040506070809") << true << QByteArray();
        QTest::newRow("173") << Builder(buildReadTunedFrequency) << 173 << QByteArray() << true
                             << QByteArray();
    }

    void commands() {
        QFETCH(Builder, build);
        QFETCH(int, instruction);
        QFETCH(QByteArray, data);
        QFETCH(bool, replaceOlder);
        QFETCH(QByteArray, mergeKey);
        SignatureCounter signature;
        signature.forRequest(10);
        const Command command = build(signature);
        const auto code = static_cast<std::uint8_t>(instruction);
        const std::uint8_t expectedSignature = isRequest(code) ? code : 11;
        QCOMPARE(signature.current(), expectedSignature);
        QCOMPARE(command.frame, orfa::spinel::makeFrame('a', 1, expectedSignature, code,
                                                        Bytes(data.begin(), data.end())));
        QCOMPARE(command.instruction, code);
        QCOMPARE(command.replaceOlder, replaceOlder);
        QCOMPARE(command.mergeKey, Bytes(mergeKey.begin(), mergeKey.end()));
    }

    // Whole frames, checksum and CR included.
    void frameBytes() {
        SignatureCounter signature;
        signature.forRequest(0x11);
        // Output 3 of a group with outputs 1 and 5 moved to 40.
        QCOMPARE(buildSetOutputLevels(signature, {{3, 40}, {1, 40}, {3, 40}, {5, 40}}).frame,
                 hexBytes("2a61000d0112410328012803280528670d"));
        QCOMPARE(buildReadMasterVolume(signature).frame, hexBytes("2a610005015050ce0d"));
        QCOMPARE(buildReadOutputLevels(signature).frame, hexBytes("2a610015015151010203040506070809"
                                                                  "0a0b0c0d0e0f10340d"));
        signature.forRequest(0x11);
        QCOMPARE(buildSetMasterVolume(signature, 0).frame, hexBytes("2a61000601124050cb0d"));
    }

    // After the requests of an output page the next setting must not take
    // 172 (radio memories) nor 173: their answers would be read as radio data.
    void signaturesAfterRequests() {
        SignatureCounter signature;
        buildReadOutputSources(signature);
        buildReadOutputLevels(signature);
        buildReadMasterVolume(signature);
        buildReadPower(signature);
        QCOMPARE(signature.current(), 171);
        QCOMPARE(buildSetMasterVolume(signature, 80).frame[5], 174);
    }

    void powerTakesTheNextSignature_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("power");
        QTest::newRow("after 83") << 83 << 84;
        QTest::newRow("after 80") << 80 << 84;
        QTest::newRow("after 79") << 79 << 84;
        QTest::newRow("after 169") << 169 << 174;
        QTest::newRow("after 171") << 171 << 174;
        QTest::newRow("after 12") << 12 << 13;
        QTest::newRow("wraps") << 255 << 0;
    }

    // The power command never shares the signature of the frame before it,
    // so that frame's answer cannot take the power command off the queue.
    void powerTakesTheNextSignature() {
        QFETCH(int, before);
        QFETCH(int, power);
        SignatureCounter signature;
        signature.forRequest(static_cast<std::uint8_t>(before));
        const Command command = buildSetPower(signature, true);
        QCOMPARE(command.frame[5], power);
        QVERIFY(command.frame[5] != before);
    }

    // Settings never carry a request's signature, across a whole wrap.
    void settingsNeverTakeRequestSignatures() {
        SignatureCounter signature;
        for (int i = 0; i < 600; ++i) {
            const std::uint8_t used = buildStorePreset(signature, 1).frame[5];
            QVERIFY2(!SignatureCounter::isRequestSignature(used),
                     qPrintable(QString::number(used)));
        }
    }

    void outputPairs() {
        const Bytes frame = answer(0x51, {3, 40, 0, 10, 17, 20, 16, 79});
        QCOMPARE(decodeOutputLevels(frame), (std::vector<OutputValue>{{3, 40}, {16, 79}}));
        // Source 0 clears the selection; it is passed on.
        QCOMPARE(decodeOutputSources(answer(0x52, {5, 0})), (std::vector<OutputValue>{{5, 0}}));

        Bytes all;
        for (std::uint8_t n = 1; n <= 16; ++n)
            all.insert(all.end(), {n, static_cast<std::uint8_t>(n + 20)});
        QCOMPARE(decodeOutputLevels(answer(0x51, all)).size(), 16u);
    }

    // A pair starts only at a data byte, and both halves are data: the
    // checksum is never read as an output number or a value.
    void checksumNeverInAPair() {
        for (int value = 0; value < 256; ++value) {
            const Bytes even = answer(0x51, {3, static_cast<std::uint8_t>(value)});
            const Bytes odd = answer(0x51, {3, 40, static_cast<std::uint8_t>(value)});
            QCOMPARE(decodeOutputLevels(even).size(), 1u);
            QCOMPARE(answerPairs(odd), (std::vector<BytePair>{{3, 40}}));
        }
        QVERIFY(answerPairs(answer(0x51, {})).empty());
        QVERIFY(answerPairs(hexBytes("2a6100")).empty()); // shorter than any frame
    }

    void inputParameters() {
        const Bytes frame =
            answer(0x53, {0x21, 0x05, 0x54, 0x88, 0xB1, 0x03, 0x11, 0x85, 0x96, 0x0C});
        const std::vector<InputParameterValue> expected{
            {{1, 1}, 5},  // high nibble 2 counts as box 1
            {{3, 4}, 20}, // band 1 kHz at -8 dB
            {{1, 1}, -5}, // a negative gain: the slider goes to 0
            {{5, 6}, 0}}; // +12 dB at the top
        QCOMPARE(decodeInputParameters(frame), expected);
    }

    void singleValues() {
        QCOMPARE(decodeMasterVolume(answer(0x50, {0xCF})), 159);
        QCOMPARE(decodeMasterVolume(answer(0x50, {0x50})), 0);
        QVERIFY(!decodeMasterVolume(answer(0x50, {})));

        QCOMPARE(decodePowerState(answer(0xAB, {0x00})), PowerState::Off);
        QCOMPARE(decodePowerState(answer(0xAB, {0xFF})), PowerState::On);
        QCOMPARE(decodePowerState(answer(0xAB, {0x01})), PowerState::Unknown);
        QCOMPARE(decodePowerState(answer(0xAB, {})), PowerState::Unknown);

        QCOMPARE(decodeTunedFrequency(answer(0xAD, {104, 50})), (RadioFrequency{104, 50}));
        QCOMPARE(frequencyText(*decodeTunedFrequency(answer(0xAD, {87, 5}))),
                 QStringLiteral("87.05"));
        QVERIFY(!decodeTunedFrequency(answer(0xAD, {104})));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
