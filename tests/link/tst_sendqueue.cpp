#include "link/SendQueue.h"

#include "spinel/Spinel97.h"
#include "support/Frames.h"

#include <QTest>

using orfa::link::Bytes;
using orfa::link::Command;
using orfa::link::SendQueue;
using orfa::link::SendResult;
using Action = SendQueue::TickAction;

using orfa::test::frame;
namespace {

Command command(const Bytes& frame, std::uint8_t instruction, bool replaceOlder,
                const Bytes& mergeKey = {}) {
    return Command{frame, instruction, replaceOlder, mergeKey};
}

} // namespace

Q_DECLARE_METATYPE(SendResult)

class TestSendQueue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void coalescing_data();
    void coalescing();
    void overwritesEveryMatchingSlot();
    void overwriteRestartsDelayAndSendCount();
    void twentySlotLimit();
    void headWaitsForTheDelay();
    void fiveSendsThenDropThenNext();
    void removalBySignature();
};

void TestSendQueue::coalescing_data() {
    QTest::addColumn<int>("secondInstruction");
    QTest::addColumn<QByteArray>("secondKey");
    QTest::addColumn<bool>("replaceOlder");
    QTest::addColumn<SendResult>("result");

    // The queued frame: instruction 65 for output 1.
    QTest::newRow("same key, same merge key")
        << 65 << QByteArray("\x01") << true << SendResult::Replaced;
    QTest::newRow("other output") << 65 << QByteArray("\x02") << true << SendResult::Queued;
    QTest::newRow("same outputs in another order")
        << 65 << QByteArray("\x02\x01") << true << SendResult::Queued;
    QTest::newRow("other instruction") << 64 << QByteArray("\x01") << true << SendResult::Queued;
    QTest::newRow("no coalescing asked") << 65 << QByteArray("\x01") << false << SendResult::Queued;
}

void TestSendQueue::coalescing() {
    QFETCH(int, secondInstruction);
    QFETCH(QByteArray, secondKey);
    QFETCH(bool, replaceOlder);
    QFETCH(SendResult, result);

    SendQueue queue;
    const Bytes first = frame(1, 65, {1, 10});
    const auto instruction = static_cast<std::uint8_t>(secondInstruction);
    const Bytes second = frame(2, instruction, {9});
    QCOMPARE(queue.enqueue(command(first, 65, true, Bytes{1}), 0), SendResult::Queued);
    const Bytes key(secondKey.begin(), secondKey.end());
    QCOMPARE(queue.enqueue(command(second, instruction, replaceOlder, key), 30), result);

    const bool appended = result == SendResult::Queued;
    QCOMPARE(queue.queuedCount(), appended ? 2 : 1);
    QCOMPARE(queue.slots().front().command.frame, appended ? first : second);
    QCOMPARE(queue.slots().front().filledAtMs, appended ? 0 : 30);
    QCOMPARE(queue.slots().back().command.frame, second);
    QVERIFY(queue.hasQueued(65));
    QCOMPARE(queue.hasQueued(64), instruction == 64);
}

void TestSendQueue::overwritesEveryMatchingSlot() {
    SendQueue queue;
    queue.enqueue(command(frame(1, 64), 64, false), 0);
    queue.enqueue(command(frame(2, 66), 66, false), 0);
    queue.enqueue(command(frame(3, 64), 64, false), 0);

    const Bytes latest = frame(4, 64, {0x50});
    QCOMPARE(queue.enqueue(command(latest, 64, true), 10), SendResult::Replaced);
    QCOMPARE(queue.queuedCount(), 3);
    QCOMPARE(queue.slots()[0].command.frame, latest);
    QCOMPARE(queue.slots()[1].command.frame, frame(2, 66));
    QCOMPARE(queue.slots()[2].command.frame, latest);
}

void TestSendQueue::overwriteRestartsDelayAndSendCount() {
    SendQueue queue;
    queue.enqueue(command(frame(1, 64, {1}), 64, true), 0);
    QCOMPARE(queue.tick(101, 100).action, Action::Send);
    QCOMPARE(queue.tick(201, 100).action, Action::Send);
    QCOMPARE(queue.slots().front().sendCount, 2);

    queue.enqueue(command(frame(2, 64, {2}), 64, true), 250);
    QCOMPARE(queue.slots().front().sendCount, 0);
    QCOMPARE(queue.tick(350, 100).action, Action::None);
    const SendQueue::TickResult sent = queue.tick(351, 100);
    QCOMPARE(sent.action, Action::Send);
    QCOMPARE(sent.command.frame, frame(2, 64, {2}));
}

void TestSendQueue::twentySlotLimit() {
    SendQueue queue;
    for (std::uint8_t i = 0; i < SendQueue::kSlots; ++i)
        QCOMPARE(queue.enqueue(command(frame(i, 66, {i}), 66, false), 0), SendResult::Queued);
    const Bytes refused = frame(100, 66, {100});
    QCOMPARE(queue.enqueue(command(refused, 66, false), 0), SendResult::Refused);
    QCOMPARE(queue.enqueue(command(refused, 64, true), 0), SendResult::Refused);
    QCOMPARE(queue.queuedCount(), 20);
    QVERIFY(!queue.hasRoom());
    for (const auto& slot : queue.slots())
        QVERIFY(slot.command.frame != refused);

    // A full queue still lets a command replace its queued predecessors.
    const Bytes replacement = frame(101, 66, {7});
    QCOMPARE(queue.enqueue(command(replacement, 66, true), 5), SendResult::Replaced);
    QCOMPARE(queue.slots().back().command.frame, replacement);
}

void TestSendQueue::headWaitsForTheDelay() {
    SendQueue queue;
    QCOMPARE(queue.tick(1'000'000, 0).action, Action::None);
    queue.enqueue(command(frame(1, 64), 64, true), 1000);
    QCOMPARE(queue.tick(1800, 800).action, Action::None); // not before the delay has passed
    QCOMPARE(queue.tick(1801, 800).action, Action::Send);
    QCOMPARE(queue.slots().front().filledAtMs, 1000);

    // Far beyond 32-bit milliseconds: the clock does not wrap.
    SendQueue late;
    const qint64 fiftyDays = 50LL * 24 * 3600 * 1000;
    late.enqueue(command(frame(1, 64), 64, true), fiftyDays);
    QCOMPARE(late.tick(fiftyDays + 800, 800).action, Action::None);
    QCOMPARE(late.tick(fiftyDays + 801, 800).action, Action::Send);
}

void TestSendQueue::fiveSendsThenDropThenNext() {
    SendQueue queue;
    const Bytes first = frame(1, 64);
    const Bytes second = frame(2, 66);
    queue.enqueue(command(first, 64, true), 0);
    queue.enqueue(command(second, 66, false), 0);

    qint64 now = 100;
    for (int i = 1; i <= 5; ++i) {
        const SendQueue::TickResult result = queue.tick(now += 100, 50);
        QCOMPARE(result.action, Action::Send);
        QCOMPARE(result.command.frame, first);
        QCOMPARE(queue.slots().front().sendCount, i);
    }
    const SendQueue::TickResult dropped = queue.tick(now += 100, 50);
    QCOMPARE(dropped.action, Action::Drop);
    QCOMPARE(dropped.command.frame, first);
    QCOMPARE(queue.queuedCount(), 1);
    QCOMPARE(queue.tick(now += 100, 50).command.frame, second);
}

void TestSendQueue::removalBySignature() {
    SendQueue queue;
    queue.enqueue(command(frame(7, 64), 64, false), 0);
    queue.enqueue(command(frame(8, 66), 66, false), 0);
    queue.enqueue(command(frame(7, 165, {0xFF}), 165, false), 0);
    queue.enqueue(command(Bytes{0x2A, 0x61, 0x00, 0x05, 0x01}, 1, false), 0); // no signature byte
    queue.enqueue(command(frame(9, 161), 161, false), 0);

    const std::vector<Command> taken = queue.takeBySignature(7);
    QCOMPARE(taken.size(), std::size_t{2});
    QCOMPARE(taken[1].instruction, 165); // whole commands, head first
    QCOMPARE(queue.queuedCount(), 3);
    QCOMPARE(queue.slots()[0].command.frame, frame(8, 66));
    QCOMPARE(queue.slots()[2].command.frame, frame(9, 161));
    QCOMPARE(queue.takeBySignature(7).size(), std::size_t{0});
    QCOMPARE(queue.takeBySignature(9).size(), std::size_t{1});
    QCOMPARE(queue.queuedCount(), 2);
}

QTEST_APPLESS_MAIN(TestSendQueue)
#include "tst_sendqueue.moc"
