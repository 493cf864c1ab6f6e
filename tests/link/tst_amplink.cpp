#include "link/AmpLink.h"

#include "sim/AmpSimulator.h"
#include "spinel/Spinel.h"
#include "support/Frames.h"

#include <QSet>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

using orfa::link::AmpLink;
using State = orfa::link::AmpLink::ConnectionState;
using orfa::link::Bytes;
using orfa::link::Command;
using orfa::link::SendResult;
using orfa::sim::AmpSimulator;

using orfa::test::frame;
using orfa::test::raw;
namespace {

constexpr int kDelayMs = 50;

Command command(const Bytes& frame, std::uint8_t instruction, bool replaceOlder,
                const Bytes& mergeKey = {}) {
    return Command{frame, instruction, replaceOlder, mergeKey};
}

// A command as the link reports it, for comparing lists of events.
QString describe(const Command& c) {
    return u"%1 %2%3 %4"_s.arg(QString::fromLatin1(raw(c.frame).toHex()))
        .arg(c.instruction)
        .arg(c.replaceOlder ? u"+"_s : u""_s)
        .arg(QString::fromLatin1(raw(c.mergeKey).toHex()));
}

// A request carries its own code as signature.
Bytes request(std::uint8_t code, const Bytes& data = {}) {
    return frame(code, code, data);
}

Bytes numberList(std::uint8_t count) {
    Bytes list;
    for (std::uint8_t n = 1; n <= count; ++n)
        list.push_back(n);
    return list;
}

QByteArray inputAnswer() {
    Bytes data;
    for (std::uint8_t i = 0; i < 30; ++i) {
        data.push_back(static_cast<std::uint8_t>(((2 * (i / 6) + 1) << 4) | (i % 6 + 1)));
        data.push_back(i);
    }
    return orfa::test::rawAnswer(83, data);
}

} // namespace

Q_DECLARE_METATYPE(SendResult)

class TestAmpLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void sendResults_data();
    void sendResults();
    void delayBeforeFirstSendAndRestartOnCoalescing();
    void levelsOfTwoOutputsBothArrive();
    void headIsSentWhileOtherCommandsKeepComing();
    void fiveSendsThenDrop();
    void twentySlotLimit();
    void unreachableAmplifierKeepsFrames();
    void idleDisconnectAndReconnect();
    void amplifierEndingTheConnectionShows();
    void connectionWithoutSendIsClosed();
    void answerRemovesEveryFrameWithItsSignature();
    void answersAreReported_data();
    void answersAreReported();
    void lateAnswerStillHandedOn();
    void answersInOneWrite();
    void floodIsReadToTheEnd();
    void damagedStream_data();
    void damagedStream();
    void misbehavingAmplifier_data();
    void misbehavingAmplifier();
    void handlerMayReenter();
    void errorLatch();

private:
    QList<QByteArray> framesWith(std::uint8_t instruction) const;
    bool waitForEmptyQueue(int timeoutMs);
    bool connectLink();
    void recordAnswers();
    bool pushPieces(const QList<QByteArray>& pieces);

    std::unique_ptr<AmpSimulator> sim_;
    std::unique_ptr<AmpLink> link_;
    QList<int> shown_; // signatures handed to the recording handlers, in order
};

void TestAmpLink::init() {
    sim_ = std::make_unique<AmpSimulator>();
    QVERIFY(sim_->listen(QHostAddress::LocalHost, 0));
    link_ = std::make_unique<AmpLink>();
    link_->setAddress(u"127.0.0.1"_s, QString::number(sim_->port()));
    link_->setSendDelay(kDelayMs);
    shown_.clear();
}

void TestAmpLink::cleanup() {
    link_.reset();
    sim_.reset();
}

QList<QByteArray> TestAmpLink::framesWith(std::uint8_t instruction) const {
    QList<QByteArray> frames;
    for (const auto& received : sim_->receivedFrames())
        if (static_cast<std::uint8_t>(received.frame.at(6)) == instruction)
            frames.append(received.frame);
    return frames;
}

bool TestAmpLink::waitForEmptyQueue(int timeoutMs) {
    return QTest::qWaitFor([this] { return link_->isIdle(); }, timeoutMs);
}

// Opens the connection with an answered power request.
bool TestAmpLink::connectLink() {
    link_->send(command(request(171), 171, true));
    return waitForEmptyQueue(3000) && link_->isConnected();
}

void TestAmpLink::recordAnswers() {
    for (int signature = 80; signature <= 83; ++signature)
        link_->setDisplayHandler(static_cast<std::uint8_t>(signature),
                                 [this](const Bytes& f) { shown_.append(f[5]); });
}

// Writes each piece from the simulator and waits until the link has read it.
bool TestAmpLink::pushPieces(const QList<QByteArray>& pieces) {
    for (const QByteArray& piece : pieces) {
        const qint64 events = link_->receiverStats().dataEvents;
        sim_->sendRaw(piece);
        if (!QTest::qWaitFor([&] { return link_->receiverStats().dataEvents > events; }, 2000))
            return false;
    }
    return true;
}

void TestAmpLink::sendResults_data() {
    QTest::addColumn<int>("waiting"); // commands of instruction 66 queued before
    QTest::addColumn<bool>("latched");
    QTest::addColumn<bool>("replaceOlder");
    QTest::addColumn<SendResult>("result");
    QTest::addColumn<int>("count");

    QTest::newRow("empty queue") << 0 << false << false << SendResult::Queued << 1;
    QTest::newRow("behind others") << 3 << false << false << SendResult::Queued << 4;
    QTest::newRow("in place of its kind") << 3 << false << true << SendResult::Replaced << 3;
    QTest::newRow("full queue") << 20 << false << false << SendResult::Refused << 20;
    QTest::newRow("full queue, its kind queued")
        << 20 << false << true << SendResult::Replaced << 20;
    QTest::newRow("error latch") << 2 << true << false << SendResult::Refused << 2;
    QTest::newRow("error latch, its kind queued") << 2 << true << true << SendResult::Refused << 2;
}

void TestAmpLink::sendResults() {
    QFETCH(int, waiting);
    QFETCH(bool, latched);
    QFETCH(bool, replaceOlder);
    QFETCH(SendResult, result);
    QFETCH(int, count);

    link_->setSendDelay(10000); // nothing leaves the queue meanwhile
    QVERIFY(link_->isIdle());
    for (int i = 0; i < waiting; ++i)
        link_->send(command(frame(static_cast<std::uint8_t>(i + 1), 66, {1}), 66, false));
    if (latched)
        link_->latchError();
    QCOMPARE(link_->send(command(frame(0x40, 66, {2}), 66, replaceOlder)), result);
    QCOMPARE(link_->queuedCount(), count);
    QCOMPARE(link_->hasRoom(), count < 20);
    QCOMPARE(link_->isIdle(), count == 0);
    QCOMPARE(link_->hasQueued(66), count > 0);
    QVERIFY(!link_->hasQueued(64));
}

void TestAmpLink::delayBeforeFirstSendAndRestartOnCoalescing() {
    link_->setSendDelay(300);
    const qint64 start = sim_->elapsedMs();
    QCOMPARE(link_->send(command(frame(1, 64, {0x10}), 64, true)), SendResult::Queued);
    QVERIFY(QTest::qWaitFor([&] { return sim_->elapsedMs() >= start + 150; }, 1000));
    const qint64 second = sim_->elapsedMs();
    QVERIFY(sim_->receivedFrames().empty()); // not sent yet
    QCOMPARE(link_->send(command(frame(2, 64, {0x20}), 64, true)), SendResult::Replaced);
    QCOMPARE(link_->queuedCount(), 1);

    QVERIFY(waitForEmptyQueue(3000));
    const QList<QByteArray> sent = framesWith(64);
    QCOMPARE(sent, QList{raw(frame(2, 64, {0x20}))});
    QVERIFY(sim_->receivedFrames().front().atMs >= second + 300);
    QCOMPARE(sim_->state().mix.masterVolumeDb, 0x20);
}

void TestAmpLink::levelsOfTwoOutputsBothArrive() {
    QCOMPARE(link_->send(command(frame(1, 65, {1, 40}), 65, true, {1})), SendResult::Queued);
    QCOMPARE(link_->send(command(frame(2, 65, {2, 30}), 65, true, {2})), SendResult::Queued);
    QCOMPARE(link_->send(command(frame(3, 65, {1, 45}), 65, true, {1})), SendResult::Replaced);
    QVERIFY(waitForEmptyQueue(3000));

    QCOMPARE(framesWith(65), (QList{raw(frame(3, 65, {1, 45})), raw(frame(2, 65, {2, 30}))}));
    QCOMPARE(sim_->state().mix.levels[0], 45);
    QCOMPARE(sim_->state().mix.levels[1], 30);
}

void TestAmpLink::headIsSentWhileOtherCommandsKeepComing() {
    // A dragged slider queues a command every few milliseconds; the send
    // timer must keep its beat meanwhile.
    link_->send(command(frame(1, 66, {1, 2}), 66, false));
    const qint64 start = sim_->elapsedMs();
    std::uint8_t volume = 0;
    while (sim_->elapsedMs() < start + 600 && framesWith(66).isEmpty()) {
        link_->send(command(frame(2, 64, {++volume}), 64, true));
        QTest::qWait(20);
    }
    QVERIFY(!framesWith(66).isEmpty());
    QVERIFY(framesWith(64).isEmpty());
}

void TestAmpLink::fiveSendsThenDrop() {
    sim_->faults().silent = true;
    QSignalSpy sending(link_.get(), &AmpLink::sendingChanged);
    QSignalSpy dropped(link_.get(), &AmpLink::commandDropped);
    const qint64 start = sim_->elapsedMs();
    link_->send(command(frame(5, 64, {1}), 64, true));
    link_->send(command(frame(6, 66, {1, 2}), 66, false));
    QVERIFY(waitForEmptyQueue(5000));

    const auto& received = sim_->receivedFrames();
    QCOMPARE(received.size(), std::size_t{10});
    for (std::size_t i = 0; i < received.size(); ++i)
        QCOMPARE(received[i].frame, raw(i < 5 ? frame(5, 64, {1}) : frame(6, 66, {1, 2})));
    QVERIFY(received.front().atMs >= start + kDelayMs);
    QVERIFY(received[4].atMs - received[0].atMs >= 300); // one per tick of 100 ms
    QCOMPARE(dropped.size(), 2);
    QCOMPARE(describe(dropped[1][0].value<Command>()),
             describe(command(frame(6, 66, {1, 2}), 66, false)));

    QCOMPARE(sending.first(), QVariantList{true});
    QVERIFY(QTest::qWaitFor([&] { return !link_->isSending(); }, 1000));
    QCOMPARE(sending.last(), QVariantList{false});
}

void TestAmpLink::twentySlotLimit() {
    link_->setSendDelay(0);
    for (std::uint8_t i = 0; i < 20; ++i)
        link_->send(command(frame(static_cast<std::uint8_t>(i + 1), 66, {1, i}), 66, false));
    const Bytes refused = frame(30, 66, {2, 2});
    QCOMPARE(link_->send(command(refused, 66, false)), SendResult::Refused);
    QVERIFY(waitForEmptyQueue(10000));

    const QList<QByteArray> sent = framesWith(66);
    QVERIFY(!sent.contains(raw(refused)));
    QCOMPARE(QSet<QByteArray>(sent.begin(), sent.end()).size(), 20);
    QCOMPARE(sent.front(), raw(frame(1, 66, {1, 0})));
    QCOMPARE(sent.back(), raw(frame(20, 66, {1, 19})));
}

void TestAmpLink::unreachableAmplifierKeepsFrames() {
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    link_->setAddress(u"127.0.0.1"_s, QString::number(port));
    link_->send(command(frame(1, 64, {1}), 64, true));
    link_->send(command(frame(2, 66, {1, 2}), 66, false));
    QVERIFY(QTest::qWaitFor([&] { return link_->connectionAttempts() >= 8; }, 5000));
    QCOMPARE(link_->queuedCount(), 2);

    AmpSimulator late;
    QVERIFY(late.listen(QHostAddress::LocalHost, port));
    QVERIFY(waitForEmptyQueue(5000));
    QCOMPARE(late.receivedFrames().size(), std::size_t{2});
    QCOMPARE(late.receivedFrames()[1].frame, raw(frame(2, 66, {1, 2})));
}

void TestAmpLink::idleDisconnectAndReconnect() {
    QCOMPARE(link_->connectionState(), State::Disconnected);
    QVERIFY(connectLink());
    QCOMPARE(link_->connectionState(), State::Connected);

    QSignalSpy closed(sim_.get(), &AmpSimulator::clientDisconnected);
    QVERIFY(closed.wait(8000));
    const qint64 lastSend = sim_->receivedFrames().back().atMs;
    QVERIFY(sim_->elapsedMs() - lastSend >= 4900);
    QCOMPARE(link_->connectionState(), State::Disconnected);

    QSignalSpy states(link_.get(), &AmpLink::connectionStateChanged);
    QVERIFY(connectLink());
    QCOMPARE(sim_->connectionsAccepted(), 2);
    QCOMPARE(states.last().first().value<State>(), State::Connected);
}

void TestAmpLink::amplifierEndingTheConnectionShows() {
    QVERIFY(connectLink());
    QSignalSpy states(link_.get(), &AmpLink::connectionStateChanged);
    sim_->dropConnections();
    QVERIFY(QTest::qWaitFor([&] { return !link_->isConnected(); }, 3000));
    QCOMPARE(link_->connectionState(), State::Disconnected);
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.first().first().value<State>(), State::Disconnected);
}

void TestAmpLink::connectionWithoutSendIsClosed() {
    link_->setSendDelay(1500);
    link_->send(command(frame(1, 64, {1}), 64, true));
    QSignalSpy closed(sim_.get(), &AmpSimulator::clientDisconnected);
    QVERIFY(closed.wait(3000));
    QVERIFY(sim_->receivedFrames().empty());

    QVERIFY(waitForEmptyQueue(5000)); // the send timer connects again
    QCOMPARE(sim_->receivedFrames().size(), std::size_t{1});
    QVERIFY(sim_->connectionsAccepted() >= 2);
}

void TestAmpLink::answerRemovesEveryFrameWithItsSignature() {
    link_->send(command(frame(0x10, 64, {5}), 64, true));
    link_->send(command(frame(0x10, 66, {3, 4}), 66, false));
    link_->send(command(frame(0x11, 66, {3, 5}), 66, false));
    QVERIFY(waitForEmptyQueue(3000));

    QVERIFY(!framesWith(64).isEmpty());
    QCOMPARE(framesWith(66), QList{raw(frame(0x11, 66, {3, 5}))});
}

void TestAmpLink::answersAreReported_data() {
    QTest::addColumn<QList<Command>>("queued");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QStringList>("events");

    const Command levels = command(request(81, {1, 2}), 81, true);
    const Command level = command(frame(0x30, 65, {1, 40}), 65, true, {1});
    const Command master = command(frame(0x31, 64, {5}), 64, true);
    const Command mix = command(frame(0x31, 66, {3, 4}), 66, false);
    const auto answered = [](const Command& c) { return u"answered "_s + describe(c); };

    // The display stores the values before anyone hears the command was answered.
    QTest::newRow("answer with data") << QList{levels} << orfa::test::rawAnswer(81, {1, 5})
                                      << QStringList{u"frame"_s, u"display 81"_s, answered(levels)};
    QTest::newRow("answer without data") << QList{level} << orfa::test::rawAnswer(0x30, {})
                                         << QStringList{u"frame"_s, answered(level)};
    QTest::newRow("one answer for two commands")
        << QList{master, mix} << orfa::test::rawAnswer(0x31, {})
        << QStringList{u"frame"_s, answered(master), answered(mix)};
    QTest::newRow("refusal") << QList{level} << raw(frame(0x30, 4, {1}))
                             << QStringList{u"frame"_s, u"refused 4 "_s + describe(level)};
    QTest::newRow("answer nothing waits for") << QList{level} << orfa::test::rawAnswer(82, {1, 2})
                                              << QStringList{u"frame"_s, u"display 82"_s};
}

void TestAmpLink::answersAreReported() {
    QFETCH(QList<Command>, queued);
    QFETCH(QByteArray, answer);
    QFETCH(QStringList, events);

    QVERIFY(connectLink());
    sim_->faults().silent = true;
    QStringList seen;
    for (const std::uint8_t signature : std::initializer_list<std::uint8_t>{81, 82})
        link_->setDisplayHandler(signature, [&seen, signature](const Bytes&) {
            seen << u"display %1"_s.arg(signature);
        });
    connect(link_.get(), &AmpLink::frameReceived, this, [&] { seen << u"frame"_s; });
    connect(link_.get(), &AmpLink::commandAnswered, this,
            [&](const Command& c) { seen << u"answered "_s + describe(c); });
    connect(link_.get(), &AmpLink::commandRefused, this,
            [&](const Command& c, int ack) { seen << u"refused %1 "_s.arg(ack) + describe(c); });
    for (const Command& c : queued)
        link_->send(c);
    QVERIFY(
        QTest::qWaitFor([&] { return !framesWith(queued.front().instruction).isEmpty(); }, 3000));
    QVERIFY(pushPieces({answer}));
    QCOMPARE(seen, events);
    link_->disconnect(this);
}

void TestAmpLink::lateAnswerStillHandedOn() {
    sim_->faults().answerDelayMs = 900;
    bool queueEmptyWhenShown = false;
    link_->setDisplayHandler(80, [&](const Bytes& f) {
        queueEmptyWhenShown = link_->isIdle();
        shown_.append(f[7]);
    });
    sim_->state().mix.masterVolumeDb = -70;
    link_->send(command(request(80), 80, true));
    QVERIFY(QTest::qWaitFor([&] { return !shown_.isEmpty(); }, 4000));
    QVERIFY(queueEmptyWhenShown);
    QCOMPARE(framesWith(80).size(), 5);
    QCOMPARE(shown_.front(), 0xC6);
}

void TestAmpLink::answersInOneWrite() {
    QVERIFY(connectLink());
    recordAnswers();
    sim_->faults().silent = true;
    link_->send(command(frame(0x20, 64, {1}), 64, true));
    link_->send(command(frame(0x21, 66, {1, 1}), 66, false));
    QVERIFY(QTest::qWaitFor([&] { return !sim_->receivedFrames().empty(); }, 3000));

    // A refusal removes its frame as well; it only is not shown, but reported.
    QSignalSpy refused(link_.get(), &AmpLink::commandRefused);
    QVERIFY(pushPieces({orfa::test::rawAnswer(0x20, {}) + raw(frame(0x21, 4, {1})) +
                        orfa::test::rawAnswer(81, {1, 5}) + orfa::test::rawAnswer(82, {1, 2}) +
                        inputAnswer()}));
    QVERIFY(link_->isIdle());
    QCOMPARE(shown_, (QList{81, 82, 83}));
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused[0][0].value<Command>().frame, frame(0x21, 66, {1, 1}));
    QCOMPARE(refused[0][1].toInt(), 4);
}

void TestAmpLink::floodIsReadToTheEnd() {
    QVERIFY(connectLink());
    QList<int> levels;
    link_->setDisplayHandler(81, [&](const Bytes& f) { levels.append(f[8]); });
    QByteArray flood;
    for (int i = 0; i < 3000; ++i)
        flood += orfa::test::rawAnswer(81, {1, static_cast<std::uint8_t>(i % 80)});
    sim_->sendRaw(flood); // far more than one data event reads
    QVERIFY(QTest::qWaitFor([&] { return levels.size() == 3000; }, 10000));
    for (int i = 0; i < 3000; ++i)
        QCOMPARE(levels[i], i % 80);
}

void TestAmpLink::damagedStream_data() {
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QList<int>>("shown");

    const QByteArray a = orfa::test::rawAnswer(81, {1, 5});
    const QByteArray b = orfa::test::rawAnswer(82, {1, 2});
    QByteArray noCr = orfa::test::rawAnswer(80, {1});
    noCr.back() = '!';
    QList<QByteArray> bytewise;
    for (char c : inputAnswer())
        bytewise.append(QByteArray(1, c));

    QTest::newRow("garbage") << QList{"\x01\x02zz" + a + "*q\r" + b} << QList{81, 82};
    QTest::newRow("malformed") << QList{noCr + a} << QList{81};
    QTest::newRow("impossible length") << QList{"*a\xff\xff" + a} << QList{81};
    QTest::newRow("partial then rest")
        << QList{a.left(5), a.mid(5) + b.left(1), b.mid(1)} << QList{81, 82};
    QTest::newRow("longest answer split after 60")
        << QList{inputAnswer().left(60), inputAnswer().mid(60)} << QList{83};
    QTest::newRow("byte by byte") << bytewise << QList{83};
    QTest::newRow("refused and data-less answers")
        << QList{raw(frame(81, 4, {1, 1})) + orfa::test::rawAnswer(82, {}) + b} << QList{82};
}

void TestAmpLink::damagedStream() {
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QList<int>, shown);

    QVERIFY(connectLink());
    recordAnswers();
    QVERIFY(pushPieces(pieces));
    QCOMPARE(shown_, shown);
    QCOMPARE(link_->receiveBufferSize(), std::size_t{0});
}

void TestAmpLink::misbehavingAmplifier_data() {
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("drop");

    QTest::newRow("garbage before answers") << true << false << false;
    QTest::newRow("split answers") << false << true << false;
    QTest::newRow("drops after each answer") << false << false << true;
    QTest::newRow("all of it") << true << true << true;
}

void TestAmpLink::misbehavingAmplifier() {
    QFETCH(bool, garbage);
    QFETCH(bool, split);
    QFETCH(bool, drop);

    sim_->faults().garbageBeforeAnswer = garbage;
    sim_->faults().splitAnswers = split;
    sim_->faults().dropAfterAnswer = drop;
    Bytes levels;
    recordAnswers();
    link_->setDisplayHandler(81, [&](const Bytes& f) {
        levels = f;
        shown_.append(81);
    });
    link_->send(command(request(81, numberList(16)), 81, true));
    link_->send(command(request(83, {0x11, 0x12}), 83, true));
    QVERIFY(QTest::qWaitFor([&] { return shown_.size() == 2; }, 5000));
    QCOMPARE(shown_, (QList{81, 83}));
    QCOMPARE(levels.size(), std::size_t{9 + 32});
}

void TestAmpLink::handlerMayReenter() {
    QVERIFY(connectLink());
    recordAnswers();
    int calls = 0;
    QTest::ignoreMessage(QtWarningMsg, "display of answer 81 failed: display failed");
    // The capture lives in the handler's own storage, which clearing frees.
    const auto request80 = std::make_shared<Bytes>(request(80));
    link_->setDisplayHandler(81, [this, &calls, request80](const Bytes&) {
        ++calls;
        link_->clearDisplayHandler(81);
        link_->send(command(*request80, 80, true));
        // A nested event loop, as a display that lets pending events run.
        QTest::qWait(2 * AmpLink::kSendIntervalMs);
        throw std::runtime_error("display failed");
    });
    QVERIFY(pushPieces({orfa::test::rawAnswer(81, {1, 5}) + orfa::test::rawAnswer(82, {1, 2})}));
    QVERIFY(pushPieces({orfa::test::rawAnswer(81, {1, 5})}));
    QCOMPARE(calls, 1);
    QVERIFY(QTest::qWaitFor([&] { return shown_.contains(80); }, 3000));
    QCOMPARE(shown_.first(), 82);
}

void TestAmpLink::errorLatch() {
    link_->setSendDelay(200);
    link_->send(command(frame(1, 64, {1}), 64, true));
    QVERIFY(QTest::qWaitFor([&] { return link_->isConnected(); }, 2000));
    link_->latchError();
    QVERIFY(link_->errorLatched());
    QCOMPARE(link_->send(command(frame(2, 66, {1, 1}), 66, false)), SendResult::Refused);
    QCOMPARE(link_->queuedCount(), 1);
    QVERIFY(waitForEmptyQueue(3000)); // a frame queued before is still sent
    QCOMPARE(sim_->receivedFrames().size(), std::size_t{1});

    AmpLink latched;
    latched.setAddress(u"127.0.0.1"_s, QString::number(sim_->port()));
    latched.latchError();
    QCOMPARE(latched.send(command(frame(3, 64, {1}), 64, true)), SendResult::Refused);
    QVERIFY(latched.isIdle());
    QCOMPARE(latched.connectionAttempts(), 0);
}

QTEST_MAIN(TestAmpLink)
#include "tst_amplink.moc"
