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
Q_DECLARE_METATYPE(FrameKind)

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
    void scan_data();
    void scan();
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
    const Bytes frame = makeFrame97(1, static_cast<std::uint8_t>(signature),
                                    static_cast<std::uint8_t>(instruction), data);
    QCOMPARE(hex(frame), hex(expected));
    QCOMPARE(checkFrame97(frame), unsigned{kCheckOk});
    QVERIFY(hasValidChecksum(frame));
}

void TestSpinel::make65() {
    QCOMPARE(hex(makeFrame65(1, 0x50, 0x50, {})),
             hex(bytes({0x2A, 0x41, 0x30, 0x31, 0x50, 0x35, 0x30, 0x0D})));
    // Data bytes as upper-case hex digits.
    const Bytes frame = makeFrame65(0x1F, 0x07, 0xAB, bytes({0x00, 0xFE}));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(frame.data()),
                        static_cast<qsizetype>(frame.size())),
             QByteArray("*A1F\x07"
                        "AB00FE\r"));
    QCOMPARE(checkFrame65(frame), unsigned{kCheckOk});
}

void TestSpinel::makeByLetter() {
    QCOMPARE(makeFrame('a', 1, 2, 3, {}), makeFrame97(1, 2, 3, {}));
    QCOMPARE(makeFrame('A', 1, 2, 3, {}), makeFrame65(1, 2, 3, {}));
    QVERIFY(makeFrame('b', 1, 2, 3, {}).empty());
    QVERIFY(makeFrame(0, 1, 2, 3, {}).empty());
}

void TestSpinel::dataBytesThatLookLikeDelimiters() {
    const Bytes data = bytes({0x2A, 0x0D, 0x2A, 0x61, 0x00, 0x0D});
    Bytes buffer = makeFrame97(1, 9, 65, data);
    const Bytes original = buffer;
    const Bytes frame = extractFrame(buffer);
    QCOMPARE(frame, original);
    QVERIFY(buffer.empty());
    QCOMPARE(Bytes(frame.begin() + 7, frame.end() - 2), data);
}

void TestSpinel::extractRemovesExactlyOneFrame() {
    // Exactly the frame is removed: the byte after it belongs to whatever comes next.
    const Bytes frame = makeFrame97(1, 0x51, 0x00, bytes({1, 20}));
    Bytes buffer = concat(frame, bytes({0x2A}));
    QCOMPARE(extractFrame(buffer), frame);
    QCOMPARE(buffer, bytes({0x2A}));

    Bytes exact = frame;
    QCOMPARE(peekFrame(exact), frame);
    QCOMPARE(exact, frame); // peeking leaves the buffer as it was
    QCOMPARE(extractFrame(exact), frame);
    QVERIFY(exact.empty());
}

void TestSpinel::twoFramesBackToBackBothCome() {
    const Bytes first = makeFrame97(1, 0x50, 0, bytes({0xC6}));
    const Bytes second = makeFrame97(1, 0xAB, 0, bytes({0xFF}));
    Bytes buffer = concat(first, second);
    QCOMPARE(extractFrame(buffer), first);
    QCOMPARE(buffer, second);
    QCOMPARE(extractFrame(buffer), second);
    QVERIFY(buffer.empty());
}

void TestSpinel::incompleteFrameIsKept() {
    Bytes data(32, 7);
    const Bytes frame = makeFrame97(1, 1, 1, data);
    QCOMPARE(frame.size(), std::size_t{41});
    Bytes buffer(frame.begin(), frame.begin() + 20);
    QVERIFY(extractFrame(buffer).empty());
    QCOMPARE(buffer.size(), std::size_t{20});
    buffer.insert(buffer.end(), frame.begin() + 20, frame.end());
    QCOMPARE(extractFrame(buffer), frame);
}

void TestSpinel::frameWithoutCarriageReturnIsNotCut() {
    Bytes frame = makeFrame97(1, 1, 1, bytes({5}));
    frame.back() = 0x0A;
    Bytes buffer = frame;
    QVERIFY(extractFrame(buffer).empty());
    QCOMPARE(buffer, frame);
    QCOMPARE(checkFrame97(frame), unsigned{kCheckNoCarriageReturn});
}

void TestSpinel::resynchronisesOnLastPrefix() {
    // Junk, then a frame whose data hold a '*': the cut lands on that '*'
    // inside the frame, and nothing valid starts the buffer.
    const Bytes frame = makeFrame97(1, 3, 0, bytes({0x2A, 0x11, 0x22}));
    Bytes buffer = concat(bytes({0x55, 0x66}), frame);
    QVERIFY(extractFrame(buffer).empty());
    QCOMPARE(buffer, Bytes(frame.begin() + 7, frame.end()));

    // Junk before a frame without any '*' in it: the frame is found.
    const Bytes clean = makeFrame97(1, 3, 0, bytes({0x11}));
    Bytes withJunk = concat(bytes({0x00, 0xFF, 0x0D}), clean);
    QCOMPARE(extractFrame(withJunk), clean);
    QVERIFY(withJunk.empty());
}

void TestSpinel::bufferWithoutPrefixIsEmptied() {
    Bytes buffer = bytes({1, 2, 3, 0x0D, 0x61});
    QVERIFY(extractFrame(buffer).empty());
    QVERIFY(buffer.empty());
    Bytes empty;
    QVERIFY(extractFrame(empty).empty());
}

void TestSpinel::format65NeedsOneMoreByte() {
    const Bytes frame = makeFrame65(1, 0x50, 0x50, {});
    Bytes buffer = frame;
    QCOMPARE(detectFormat(buffer), char(0));
    QVERIFY(extractFrame(buffer).empty());
    QCOMPARE(buffer, frame);
    buffer.push_back(0x2A);
    QCOMPARE(detectFormat(buffer), 'A');
    QCOMPARE(extractFrame(buffer), frame);
    QCOMPARE(buffer, bytes({0x2A}));
}

void TestSpinel::checks_data() {
    QTest::addColumn<Bytes>("frame");
    QTest::addColumn<unsigned>("code97");
    QTest::addColumn<unsigned>("code65");
    const Bytes good97 = makeFrame97(1, 1, 1, bytes({1, 2}));
    const Bytes good65 = makeFrame65(1, 1, 1, bytes({1, 2}));
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
    QCOMPARE(checkFrame97(frame), code97);
    QCOMPARE(checkFrame65(frame), code65);
}

void TestSpinel::checksumSwitch() {
    Bytes frame = makeFrame97(1, 1, 1, bytes({9, 9}));
    frame[frame.size() - 2] ^= 0xFF;
    QCOMPARE(detectFormat(frame, false), 'a');
    QCOMPARE(detectFormat(frame, true), char(0));
    Bytes buffer = frame;
    QCOMPARE(extractFrame(buffer, false), frame);
    buffer = frame;
    QVERIFY(extractFrame(buffer, true).empty());
}

void TestSpinel::scan_data() {
    QTest::addColumn<Bytes>("buffer");
    QTest::addColumn<int>("maxLength"); // 0: no bound
    QTest::addColumn<FrameKind>("kind");
    QTest::addColumn<int>("length");

    const Bytes frame97 = makeFrame97(1, 0x51, 0, bytes({1, 0x0D, 0x2A}));
    const Bytes frame65 = makeFrame65(1, 0x0D, 0x50, {}); // a CR as its signature
    const Bytes tail = bytes({0x2A, 0x61});
    QTest::newRow("format 97, then more")
        << concat(frame97, tail) << 0 << FrameKind::Format97 << 12;
    QTest::newRow("format 97 at the bound") << frame97 << 12 << FrameKind::Format97 << 12;
    QTest::newRow("format 97 beyond the bound")
        << Bytes(frame97.begin(), frame97.begin() + 4) << 11 << FrameKind::Invalid << 0;
    QTest::newRow("format 97 partial")
        << Bytes(frame97.begin(), frame97.end() - 1) << 0 << FrameKind::Incomplete << 0;
    QTest::newRow("length field partial")
        << bytes({0x2A, 0x61, 0}) << 0 << FrameKind::Incomplete << 0;
    QTest::newRow("no instruction byte")
        << bytes({0x2A, 0x61, 0, 4, 1, 1, 0xFF, 0x0D, 0x2A}) << 0 << FrameKind::Invalid << 0;
    QTest::newRow("format 65, then more") << concat(frame65, tail) << 0 << FrameKind::Format65 << 8;
    QTest::newRow("format 65 beyond the bound") << frame65 << 7 << FrameKind::Invalid << 0;
    QTest::newRow("format 65 partial")
        << bytes({0x2A, 0x41, '0', '1', 'x', '5'}) << 0 << FrameKind::Incomplete << 0;
    QTest::newRow("format 65, not a digit")
        << bytes({0x2A, 0x41, '0', '1', 'x', 'a'}) << 0 << FrameKind::Invalid << 0;
    QTest::newRow("format 65, CR between digits")
        << bytes({0x2A, 0x41, '0', '1', 'x', '5', '0', '1', 0x0D}) << 0 << FrameKind::Invalid << 0;
    QTest::newRow("star alone") << bytes({0x2A}) << 0 << FrameKind::Incomplete << 0;
    QTest::newRow("no format letter") << bytes({0x2A, 0x62}) << 0 << FrameKind::NotAFrame << 0;
    QTest::newRow("junk in front")
        << concat(bytes({0x00}), frame97) << 0 << FrameKind::NotAFrame << 0;
}

void TestSpinel::scan() {
    QFETCH(Bytes, buffer);
    QFETCH(int, maxLength);
    QFETCH(FrameKind, kind);
    QFETCH(int, length);
    ScanLimits limits;
    if (maxLength > 0)
        limits.maxLength = static_cast<std::size_t>(maxLength);
    const FrameScan scan = scanFrame(buffer, limits);
    QCOMPARE(scan.kind, kind);
    QCOMPARE(scan.length, static_cast<std::size_t>(length));
}

QTEST_APPLESS_MAIN(TestSpinel)
#include "tst_spinel.moc"
