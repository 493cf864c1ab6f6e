#pragma once

#include "link/Command.h"
#include "link/ReceiveBuffer.h"
#include "link/SendQueue.h"
#include "link/Signature.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>

namespace orfa::link {

// The one TCP connection to the amplifier and everything that travels over
// it: the send queue with its 100 ms send timer, the idle disconnect, the
// receiver that removes answered commands, hands answers on by signature byte
// and reports what became of each command, the error latch, and the state of
// the connection and of sending.
//
// Nothing waits for the amplifier. Link errors are swallowed; the amplifier
// being unreachable only shows in the connection state and in commands that
// stay queued. Everything runs on the thread of the Qt event loop.
class AmpLink : public QObject {
    Q_OBJECT
public:
    // Send ticks move the state to Connecting while an attempt is under way
    // (it stays there when the attempt fails and is retried) and to Connected
    // once it succeeded; the idle close and the amplifier or the network
    // ending the connection move it back to Disconnected.
    enum class ConnectionState { Disconnected, Connecting, Connected };
    Q_ENUM(ConnectionState)

    static constexpr int kSendIntervalMs = 100;
    static constexpr int kDisconnectCheckMs = 1000;
    // An idle connection is closed this long after the last send.
    static constexpr qint64 kIdleMs = 5000;
    static constexpr quint16 kDefaultSendDelayMs = 800;

    // Figures of the receiver, for the benchmark and the fuzzer.
    struct ReceiverStats {
        qint64 dataEvents = 0;
        qint64 framesCut = 0;
        qint64 busyNs = 0; // all data events together (a nested one also counts in its outer one)
        qint64 longestDataEventNs = 0; // one data event including its hand-overs
    };

    using DisplayHandler = std::function<void(const Bytes& frame)>;

    explicit AmpLink(QObject* parent = nullptr);
    ~AmpLink() override;

    // Where the amplifier is; used by the next connection attempt.
    void setAddress(const QString& ip, const QString& port);
    QString host() const { return ip_; }
    QString port() const { return port_; }

    // How long a queued command must rest unchanged before it is sent.
    void setSendDelay(quint16 ms) { delayMs_ = ms; }
    quint16 sendDelay() const { return delayMs_; }

    // Queues a command (see SendQueue::enqueue) and opens the connection
    // when it is closed. A command refused because the error latch is set
    // changes nothing else.
    SendResult send(const Command& command);

    // The signature counter every command builder shares.
    SignatureCounter& signature() { return signature_; }

    // Called by the receiver for every answer with acknowledge code 0 and at
    // least one data byte whose signature byte is the given one, with the whole
    // frame. The handler may run a nested event loop, queue frames, and set or
    // clear handlers (its own included); it must not delete the link (use
    // deleteLater). An exception it throws ends its display only.
    void setDisplayHandler(std::uint8_t signature, DisplayHandler handler);
    void clearDisplayHandler(std::uint8_t signature);

    // Closes the connection when it has been idle for kIdleMs since the last
    // send, or has carried no send yet. Runs every second once a connection
    // was asked for; the owner calls it once more when it ends.
    void closeIfIdle();

    // Sets the error latch: from now on every frame is refused and no
    // connection is attempted. Bound to the socket's proxy errors.
    void latchError();
    bool errorLatched() const { return errorLatched_; }

    ConnectionState connectionState() const { return connectionState_; }
    // Connected with frames waiting for answers; updated on each send tick.
    bool isSending() const { return sending_; }

    bool isConnected() const;

    // A command with this instruction code waits in the queue.
    bool hasQueued(std::uint8_t instruction) const { return queue_.hasQueued(instruction); }
    std::uint16_t queuedCount() const { return queue_.queuedCount(); }
    // The queue has a free slot.
    bool hasRoom() const { return queue_.hasRoom(); }
    // Nothing waits in the queue.
    bool isIdle() const { return queue_.isEmpty(); }

    std::size_t receiveBufferSize() const { return receive_.size(); }
    const ReceiverStats& receiverStats() const { return stats_; }
    void resetReceiverStats() { stats_ = {}; }
    qint64 connectionAttempts() const { return attempts_; }

Q_SIGNALS:
    // Each emitted only on a real change.
    void connectionStateChanged(orfa::link::AmpLink::ConnectionState state);
    void sendingChanged(bool sending);

    // The receiver cut out a complete frame, whatever its acknowledge code and
    // whether or not a queued command waited for it: the amplifier answers.
    void frameReceived();
    // The answers to queued commands, once per command an answer removed from
    // the queue, each after the answer's display handler has run (so that its
    // values are stored first). Answered: acknowledge code 0. Refused: a
    // non-zero code, the amplifier did not carry the command out. Receivers
    // may queue commands, as display handlers may.
    void commandAnswered(const orfa::link::Command& command);
    void commandRefused(const orfa::link::Command& command, int ackCode);
    // A queued command was dropped after kSends sends without an answer.
    void commandDropped(const orfa::link::Command& command);

private:
    qint64 now() const { return clock_.elapsed(); }
    bool isConnecting() const;
    void setConnectionState(ConnectionState state);
    void setSending(bool sending);
    void updateSendTimer();

    void connectToAmplifier();
    void sendTick();
    void writeFrame(const Bytes& frame);
    void readAvailable();
    void onSocketError(QAbstractSocket::SocketError error);
    void handleAnswer(const Bytes& frame);
    void display(std::uint8_t signature, const Bytes& frame);

    QTcpSocket socket_;
    QTimer sendTimer_;
    QTimer disconnTimer_;
    QElapsedTimer clock_;

    SendQueue queue_;
    ReceiveBuffer receive_;
    SignatureCounter signature_;
    std::array<DisplayHandler, 256> handlers_;

    QString ip_;
    QString port_;
    quint16 delayMs_ = kDefaultSendDelayMs;
    bool errorLatched_ = false;
    qint64 lastSendMs_ = std::numeric_limits<qint64>::min(); // no send yet: long past
    ConnectionState connectionState_ = ConnectionState::Disconnected;
    bool sending_ = false;
    ReceiverStats stats_;
    qint64 attempts_ = 0;
    bool continuationQueued_ = false;
};

} // namespace orfa::link
