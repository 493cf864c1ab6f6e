#include "link/ReceiveBuffer.h"

#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QList>
#include <QRandomGenerator>
#include <QTest>

using orfa::link::Bytes;
using orfa::link::ReceiveBuffer;

using orfa::test::raw;
namespace {

// The answer to request 83: 30 pairs (code, value), 69 bytes.
QByteArray inputAnswer() {
    Bytes data;
    for (std::uint8_t box = 0; box < 5; ++box)
        for (std::uint8_t param = 1; param <= 6; ++param) {
            data.push_back(static_cast<std::uint8_t>(((2 * box + 1) << 4) | param));
            data.push_back(param);
        }
    return orfa::test::rawAnswer(83, data);
}

// Feeds the chunks one by one and takes every frame after each, as the link
// does after each socket read.
QList<QByteArray> feed(ReceiveBuffer& buffer, const QList<QByteArray>& chunks) {
    QList<QByteArray> frames;
    for (const QByteArray& chunk : chunks) {
        buffer.append(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                      static_cast<std::size_t>(chunk.size()));
        for (Bytes frame = buffer.takeFrame(); !frame.empty(); frame = buffer.takeFrame())
            frames.append(raw(frame));
    }
    return frames;
}

} // namespace

class TestReceiveBuffer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framing_data();
    void framing();
    void splitAnywhere();
    void boundEmptiesAnEndlessPartial();
    void randomBytesStayBounded();
};

void TestReceiveBuffer::framing_data() {
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<int>("pending");

    const QByteArray a = orfa::test::rawAnswer(81, {1, 40, 2, 41});
    const QByteArray b =
        orfa::test::rawAnswer(82, {5, 0x2A, 6, 0x0D}); // '*' and CR inside the data
    const QByteArray ack = orfa::test::rawAnswer(0x12, {});
    const QByteArray longest = inputAnswer();
    QByteArray noCr = orfa::test::rawAnswer(0x13, {1});
    noCr.back() = 'x';

    QTest::newRow("one frame") << QList{a} << QList{a} << 0;
    QTest::newRow("two in one read") << QList{a + b} << QList{a, b} << 0;
    QTest::newRow("answer without data") << QList{ack + a} << QList{ack, a} << 0;
    QTest::newRow("junk before and between") << QList{"xy" + a + "\r\n" + b} << QList{a, b} << 0;
    QTest::newRow("star without a format letter") << QList{"**Z" + a + "*" + b} << QList{a, b} << 0;
    QTest::newRow("complete frame failing its checks") << QList{noCr + b} << QList{b} << 0;
    QTest::newRow("length beyond the bound")
        << QList{QByteArray("*a\xff\xff\x01", 5) + a} << QList{a} << 0;
    QTest::newRow("length below the minimum")
        << QList{QByteArray("*a\x00\x01\x01", 5) + a} << QList{a} << 0;
    QTest::newRow("format-65 frame is not an answer")
        << QList{raw(orfa::spinel::makeFrame65(1, 0x50, 0x50, {0x2A})) + a} << QList{a} << 0;
    QTest::newRow("star-A junk does not swallow a frame") << QList{"*A01P5" + a} << QList{a} << 0;
    QTest::newRow("partial frame waits") << QList{a + b.left(6)} << QList{a} << 6;
    QTest::newRow("partial completed by the next read")
        << QList{b.left(3), b.mid(3) + a.left(1)} << QList{b} << 1;
    QTest::newRow("longest answer in two pieces")
        << QList{longest.left(60), longest.mid(60)} << QList{longest} << 0;
    QTest::newRow("only junk") << QList{QByteArray(500, 'j')} << QList<QByteArray>{} << 0;
}

void TestReceiveBuffer::framing() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(int, pending);

    ReceiveBuffer buffer;
    QCOMPARE(feed(buffer, chunks), frames);
    QCOMPARE(buffer.size(), static_cast<std::size_t>(pending));
}

void TestReceiveBuffer::splitAnywhere() {
    const QByteArray stream = "junk" + inputAnswer() + orfa::test::rawAnswer(80, {0xC6}) + "*" +
                              orfa::test::rawAnswer(171, {0xFF}) + inputAnswer();
    const QList<QByteArray> expected{inputAnswer(), orfa::test::rawAnswer(80, {0xC6}),
                                     orfa::test::rawAnswer(171, {0xFF}), inputAnswer()};
    for (qsizetype piece = 1; piece <= stream.size(); ++piece) {
        QList<QByteArray> chunks;
        for (qsizetype at = 0; at < stream.size(); at += piece)
            chunks.append(stream.mid(at, piece));
        ReceiveBuffer buffer;
        QCOMPARE(feed(buffer, chunks), expected);
        QCOMPARE(buffer.size(), std::size_t{0});
    }
}

void TestReceiveBuffer::boundEmptiesAnEndlessPartial() {
    // A format-65 frame has no length field; one that never ends must not
    // make the buffer grow.
    ReceiveBuffer buffer;
    feed(buffer, {QByteArray("*A01P50") + QByteArray(ReceiveBuffer::kPendingBound, 'F')});
    QCOMPARE(buffer.size(), std::size_t{0});

    const QByteArray a = orfa::test::rawAnswer(81, {1, 40});
    QCOMPARE(feed(buffer, {a}), QList{a});
}

void TestReceiveBuffer::randomBytesStayBounded() {
    QRandomGenerator random(1234);
    ReceiveBuffer buffer;
    const QByteArray a = orfa::test::rawAnswer(81, {1, 40, 2, 41});
    for (int round = 0; round < 2000; ++round) {
        QByteArray chunk(random.bounded(1, 200), Qt::Uninitialized);
        for (char& c : chunk) // biased towards the bytes that matter for framing
            c = static_cast<char>("*aA\r\x00\x05\x45"[random.bounded(8)] ^
                                  (random.bounded(4) == 0 ? random.bounded(256) : 0));
        feed(buffer, {chunk});
        QVERIFY(buffer.size() <= ReceiveBuffer::kPendingBound);
    }
    // Junk without a '*' never hides the frames around it.
    buffer.clear();
    QCOMPARE(feed(buffer, {a + QByteArray(77, 'q') + a}), (QList{a, a}));
}

QTEST_APPLESS_MAIN(TestReceiveBuffer)
#include "tst_receivebuffer.moc"
