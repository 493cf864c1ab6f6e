#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QTest>

using namespace orfa::spinel;

using orfa::test::bytes;
namespace {

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

QByteArray hex(const Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()))
        .toHex(' ');
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestSpinel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void make97_data();
    void make97();
    void make65();
    void makeByLetter();
    void dataBytesThatLookLikeDelimiters();
    void extractRemovesExactlyOneFrame();
    void twoFramesBackToBackBothCome();
    void incompleteFrameIsKept();
    void frameWithoutCarriageReturnIsNotCut();
    void resynchronisesOnLastPrefix();
    void bufferWithoutPrefixIsEmptied();
    void format65NeedsOneMoreByte();
    void checks_data();
    void checks();
    void checksumSwitch();
};

void TestSpinel::make97_data() {
    QTest::addColumn<int>("signature");
    QTest::addColumn<int>("instruction");
    QTest::addColumn<Bytes>("data");
    QTest::addColumn<Bytes>("expected");

    QTest::newRow("no data") << 0x50 << 0x50 << Bytes{}
                             << bytes({0x2A, 0x61, 0x00, 0x05, 0x01, 0x50, 0x50, 0xCE, 0x0D});
    Bytes sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen.push_back(static_cast<std::uint8_t>(i));
    QTest::newRow("16 bytes") << 0x51 << 0x51 << sixteen
                              << concat(concat(bytes({0x2A, 0x61, 0x00, 0x15, 0x01, 0x51, 0x51}),
                                               sixteen),
                                        bytes({0x34, 0x0D}));
    QTest::newRow("one byte") << 0x12 << 0x40 << bytes({0x50})
                              << bytes(
                                     {0x2A, 0x61, 0x00, 0x06, 0x01, 0x12, 0x40, 0x50, 0xCB, 0x0D});
}

void TestSpinel::make97() {
    QFETCH(int, signature);
    QFETCH(int, instruction);
    QFETCH(Bytes, data);
    QFETCH(Bytes, expected);
    const Bytes frame = Spinel97Make(1, static_cast<std::uint8_t>(signature),
                                     static_cast<std::uint8_t>(instruction), data);
    QCOMPARE(hex(frame), hex(expected));
    QCOMPARE(Spinel97Check(frame), unsigned{kCheckOk});
    QVERIFY(Spinel97ChecksumValid(frame));
}

void TestSpinel::make65() {
    QCOMPARE(hex(Spinel65Make(1, 0x50, 0x50, {})),
             hex(bytes({0x2A, 0x41, 0x30, 0x31, 0x50, 0x35, 0x30, 0x0D})));
    // Data bytes as upper-case hex digits.
    const Bytes frame = Spinel65Make(0x1F, 0x07, 0xAB, bytes({0x00, 0xFE}));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(frame.data()),
                        static_cast<qsizetype>(frame.size())),
             QByteArray("*A1F\x07"
                        "AB00FE\r"));
    QCOMPARE(Spinel65Check(frame), unsigned{kCheckOk});
}

void TestSpinel::makeByLetter() {
    QCOMPARE(SpinelMake('a', 1, 2, 3, {}), Spinel97Make(1, 2, 3, {}));
    QCOMPARE(SpinelMake('A', 1, 2, 3, {}), Spinel65Make(1, 2, 3, {}));
    QVERIFY(SpinelMake('b', 1, 2, 3, {}).empty());
    QVERIFY(SpinelMake(0, 1, 2, 3, {}).empty());
}

void TestSpinel::dataBytesThatLookLikeDelimiters() {
    const Bytes data = bytes({0x2A, 0x0D, 0x2A, 0x61, 0x00, 0x0D});
    Bytes buffer = Spinel97Make(1, 9, 65, data);
    const Bytes original = buffer;
    const Bytes frame = SpinelExtract(buffer, true);
    QCOMPARE(frame, original);
    QVERIFY(buffer.empty());
    QCOMPARE(Bytes(frame.begin() + 7, frame.end() - 2), data);
}

void TestSpinel::extractRemovesExactlyOneFrame() {
    // Exactly the frame is removed: the byte after it belongs to whatever comes next.
    const Bytes frame = Spinel97Make(1, 0x51, 0x00, bytes({1, 20}));
    Bytes buffer = concat(frame, bytes({0x2A}));
    QCOMPARE(Spinel97Extract(buffer, true), frame);
    QCOMPARE(buffer, bytes({0x2A}));

    Bytes exact = frame;
    QCOMPARE(Spinel97Extract(exact, false), frame);
    QCOMPARE(exact, frame); // without remove the buffer stays as it was
    QCOMPARE(Spinel97Extract(exact, true), frame);
    QVERIFY(exact.empty());
}

void TestSpinel::twoFramesBackToBackBothCome() {
    const Bytes first = Spinel97Make(1, 0x50, 0, bytes({0xC6}));
    const Bytes second = Spinel97Make(1, 0xAB, 0, bytes({0xFF}));
    Bytes buffer = concat(first, second);
    QCOMPARE(SpinelExtract(buffer, true), first);
    QCOMPARE(buffer, second);
    QCOMPARE(SpinelExtract(buffer, true), second);
    QVERIFY(buffer.empty());
}

void TestSpinel::incompleteFrameIsKept() {
    Bytes data(32, 7);
    const Bytes frame = Spinel97Make(1, 1, 1, data);
    QCOMPARE(frame.size(), std::size_t{41});
    Bytes buffer(frame.begin(), frame.begin() + 20);
    QVERIFY(SpinelExtract(buffer, true).empty());
    QCOMPARE(buffer.size(), std::size_t{20});
    buffer.insert(buffer.end(), frame.begin() + 20, frame.end());
    QCOMPARE(SpinelExtract(buffer, true), frame);
}

void TestSpinel::frameWithoutCarriageReturnIsNotCut() {
    Bytes frame = Spinel97Make(1, 1, 1, bytes({5}));
    frame.back() = 0x0A;
    Bytes buffer = frame;
    QVERIFY(SpinelExtract(buffer, true).empty());
    QCOMPARE(buffer, frame);
    QCOMPARE(Spinel97Check(frame), unsigned{kCheckNoCarriageReturn});
}

void TestSpinel::resynchronisesOnLastPrefix() {
    // Junk, then a frame whose data hold a '*': the cut lands on that '*'
    // inside the frame, and nothing valid starts the buffer.
    const Bytes frame = Spinel97Make(1, 3, 0, bytes({0x2A, 0x11, 0x22}));
    Bytes buffer = concat(bytes({0x55, 0x66}), frame);
    QVERIFY(SpinelExtract(buffer, true).empty());
    QCOMPARE(buffer, Bytes(frame.begin() + 7, frame.end()));

    // Junk before a frame without any '*' in it: the frame is found.
    const Bytes clean = Spinel97Make(1, 3, 0, bytes({0x11}));
    Bytes withJunk = concat(bytes({0x00, 0xFF, 0x0D}), clean);
    QCOMPARE(SpinelExtract(withJunk, true), clean);
    QVERIFY(withJunk.empty());
}

void TestSpinel::bufferWithoutPrefixIsEmptied() {
    Bytes buffer = bytes({1, 2, 3, 0x0D, 0x61});
    QVERIFY(SpinelExtract(buffer, true).empty());
    QVERIFY(buffer.empty());
    Bytes empty;
    QVERIFY(SpinelExtract(empty, true).empty());
}

void TestSpinel::format65NeedsOneMoreByte() {
    const Bytes frame = Spinel65Make(1, 0x50, 0x50, {});
    Bytes buffer = frame;
    QCOMPARE(SpinelDetectFormat(buffer), char(0));
    QVERIFY(SpinelExtract(buffer, true).empty());
    QCOMPARE(buffer, frame);
    buffer.push_back(0x2A);
    QCOMPARE(SpinelDetectFormat(buffer), 'A');
    QCOMPARE(SpinelExtract(buffer, true), frame);
    QCOMPARE(buffer, bytes({0x2A}));
}

void TestSpinel::checks_data() {
    QTest::addColumn<Bytes>("frame");
    QTest::addColumn<unsigned>("code97");
    QTest::addColumn<unsigned>("code65");
    const Bytes good97 = Spinel97Make(1, 1, 1, bytes({1, 2}));
    const Bytes good65 = Spinel65Make(1, 1, 1, bytes({1, 2}));
    QTest::newRow("format 97") << good97 << 0u << 3u;
    QTest::newRow("format 65") << good65 << 3u << 0u;
    QTest::newRow("short") << bytes({0x2A, 0x61, 0, 3, 1, 1, 0x0D}) << 1u << 1u;
    QTest::newRow("no prefix") << bytes({0x2B, 0x61, 0, 4, 1, 1, 0, 0x0D}) << 2u << 2u;
    Bytes longer = good97;
    longer.insert(longer.end() - 1, 0x00);
    QTest::newRow("length mismatch") << longer << 4u << 3u;
    Bytes noCr65 = good65;
    noCr65.back() = 'X';
    QTest::newRow("65 without CR") << noCr65 << 3u << 6u;
}

void TestSpinel::checks() {
    QFETCH(Bytes, frame);
    QFETCH(unsigned, code97);
    QFETCH(unsigned, code65);
    QCOMPARE(Spinel97Check(frame), code97);
    QCOMPARE(Spinel65Check(frame), code65);
}

void TestSpinel::checksumSwitch() {
    Bytes frame = Spinel97Make(1, 1, 1, bytes({9, 9}));
    frame[frame.size() - 2] ^= 0xFF;
    QCOMPARE(SpinelDetectFormat(frame, false), 'a');
    QCOMPARE(SpinelDetectFormat(frame, true), char(0));
    Bytes buffer = frame;
    QCOMPARE(SpinelExtract(buffer, true, false), frame);
    buffer = frame;
    QVERIFY(SpinelExtract(buffer, true, true).empty());
}

QTEST_APPLESS_MAIN(TestSpinel)
#include "tst_spinel.moc"
