#include "link/AmpLink.h"

#include "link/LinkLog.h"

#include <QByteArray>
#include <QNetworkProxy>

#include <algorithm>
#include <exception>

namespace orfa::link {

namespace {

// One socket read at most; the receiver cuts the frames after each read, so
// the receive buffer never holds much more than this and its bound.
constexpr qint64 kReadChunk = 1023;
// Bytes one data event reads at most: several hundred answers.
constexpr qint64 kReadBudget = qint64{16} * 1024;

bool isProxyError(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ProxyConnectionRefusedError:
    case QAbstractSocket::ProxyConnectionClosedError:
    case QAbstractSocket::ProxyConnectionTimeoutError:
    case QAbstractSocket::ProxyNotFoundError:
    case QAbstractSocket::ProxyProtocolError:
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        return true;
    default:
        return false;
    }
}

QString hex(const Bytes& bytes) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size()))
                                   .toHex(' '));
}

const char* describe(SendResult result) {
    switch (result) {
    case SendResult::Queued:
        return "in a new slot";
    case SendResult::Replaced:
        return "replacing queued ones";
    case SendResult::Refused:
        return "refused";
    }
    return "";
}

} // namespace

AmpLink::AmpLink(QObject* parent)
    : QObject(parent) {
    socket_.setProxy(QNetworkProxy::NoProxy);
    sendTimer_.setInterval(kSendIntervalMs);
    disconnTimer_.setInterval(kDisconnectCheckMs);
    clock_.start();

    connect(&sendTimer_, &QTimer::timeout, this, &AmpLink::sendTick);
    connect(&disconnTimer_, &QTimer::timeout, this, &AmpLink::closeIfIdle);
    connect(&socket_, &QTcpSocket::readyRead, this, &AmpLink::readAvailable);
    connect(&socket_, &QAbstractSocket::errorOccurred, this, &AmpLink::onSocketError);
    // Bytes left over from an earlier connection can never complete a frame.
    connect(&socket_, &QAbstractSocket::connected, this, [this] { receive_.clear(); });
    // The amplifier or the network may end the connection too; the panel must
    // not go on saying it is connected.
    connect(&socket_, &QAbstractSocket::disconnected, this,
            [this] { setConnectionState(ConnectionState::Disconnected); });
}

AmpLink::~AmpLink() {
    // The socket outlives the members declared after it; it must not call
    // back into a half-destroyed link while it closes.
    socket_.disconnect(this);
    socket_.abort();
}

void AmpLink::setAddress(const QString& ip, const QString& port) {
    ip_ = ip;
    port_ = port;
}

SendResult AmpLink::send(const Command& command) {
    if (errorLatched_)
        return SendResult::Refused;
    connectToAmplifier();
    const SendResult result = queue_.enqueue(command, now());
    qCDebug(lcLink) << "queued" << command.instruction << describe(result) << "now"
                    << queue_.queuedCount() << "commands";
    updateSendTimer();
    return result;
}

void AmpLink::setDisplayHandler(std::uint8_t signature, DisplayHandler handler) {
    handlers_[signature] = std::move(handler);
}

void AmpLink::clearDisplayHandler(std::uint8_t signature) {
    handlers_[signature] = nullptr;
}

void AmpLink::connectToAmplifier() {
    if (!isConnected() && !errorLatched_) {
        // An attempt under way (or a close not yet finished) refuses a new
        // one, and so does a port that is no number: the step ends here.
        if (socket_.state() != QAbstractSocket::UnconnectedState)
            return;
        bool ok = false;
        const quint16 port = port_.toUShort(&ok);
        if (!ok)
            return;
        ++attempts_;
        socket_.connectToHost(ip_, port);
    }
    if (!disconnTimer_.isActive())
        disconnTimer_.start();
}

void AmpLink::sendTick() {
    if (!queue_.isEmpty() && isConnected()) {
        const SendQueue::TickResult result = queue_.tick(now(), delayMs_);
        if (result.action == SendQueue::TickAction::Send) {
            qCDebug(lcLink) << "send" << hex(result.command.frame);
            writeFrame(result.command.frame);
        } else if (result.action == SendQueue::TickAction::Drop) {
            qCDebug(lcLink) << "drop, no answer" << hex(result.command.frame);
            Q_EMIT commandDropped(result.command);
        }
    }
    if (!isConnected() && !isConnecting())
        connectToAmplifier();
    updateSendTimer();
    setSending(isConnected() && !queue_.isEmpty());
    if (isConnecting())
        setConnectionState(ConnectionState::Connecting);
    if (isConnected())
        setConnectionState(ConnectionState::Connected);
}

void AmpLink::writeFrame(const Bytes& frame) {
    if (!isConnected())
        return;
    const qint64 written = socket_.write(reinterpret_cast<const char*>(frame.data()),
                                         static_cast<qint64>(frame.size()));
    if (written < 0)
        return; // the idle deadline keeps its value
    lastSendMs_ = now() + kIdleMs;
}

void AmpLink::closeIfIdle() {
    if (isConnected() && now() > lastSendMs_) {
        qCDebug(lcLink) << "idle, disconnecting";
        socket_.disconnectFromHost();
        setConnectionState(ConnectionState::Disconnected);
    }
}

void AmpLink::latchError() {
    errorLatched_ = true;
}

// Qt does not emit readyRead again while this runs, also not from a nested
// event loop in a display handler: the loop below reads whatever arrives
// meanwhile. Every frame is taken out of the buffer and the queue is updated
// before its hand-over, so nested timer ticks see a consistent link.
//
// One event reads at most kReadBudget bytes, so that a flood cannot keep the
// event loop from the timers and the window for long; the rest is read by a
// queued continuation, as readyRead is not emitted again for bytes that are
// already waiting.
void AmpLink::readAvailable() {
    QElapsedTimer duration;
    duration.start();
    ++stats_.dataEvents;
    continuationQueued_ = false;
    qint64 budget = kReadBudget;
    while (budget > 0 && socket_.bytesAvailable() > 0) {
        const QByteArray chunk = socket_.read(std::min(kReadChunk, budget));
        if (chunk.isEmpty())
            break;
        budget -= chunk.size();
        receive_.append(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                        static_cast<std::size_t>(chunk.size()));
        for (Bytes frame = receive_.takeFrame(); !frame.empty(); frame = receive_.takeFrame()) {
            ++stats_.framesCut;
            handleAnswer(frame);
        }
    }
    if (socket_.bytesAvailable() > 0 && !continuationQueued_) {
        continuationQueued_ = true;
        QMetaObject::invokeMethod(this, &AmpLink::readAvailable, Qt::QueuedConnection);
    }
    const qint64 busy = duration.nsecsElapsed();
    stats_.busyNs += busy;
    stats_.longestDataEventNs = std::max(stats_.longestDataEventNs, busy);
}

// The answered commands leave the queue before anything is reported, so that
// nested timer ticks and receivers see a consistent queue; they are reported
// after the display, so that the answer's values are stored by then.
void AmpLink::handleAnswer(const Bytes& frame) {
    const std::uint8_t signature = frame[spinel::kFrame97SignatureOffset];
    const std::uint8_t ack = frame[spinel::kFrame97InstructionOffset];
    const std::vector<Command> removed = queue_.takeBySignature(signature);
    qCDebug(lcLink) << "answer" << hex(frame) << "ack" << ack << "removed" << removed.size();
    Q_EMIT frameReceived();
    if (ack == 0 && frame.size() > spinel::kFrame97Overhead)
        display(signature, frame);
    for (const Command& command : removed) {
        if (ack == 0)
            Q_EMIT commandAnswered(command);
        else
            Q_EMIT commandRefused(command, ack);
    }
}

void AmpLink::display(std::uint8_t signature, const Bytes& frame) {
    // A copy: the handler may replace or clear its own registration.
    const DisplayHandler handler = handlers_[signature];
    if (!handler)
        return;
    try {
        handler(frame);
    } catch (const std::exception& error) {
        qCWarning(lcLink) << "display of answer" << signature << "failed:" << error.what();
    } catch (...) {
        qCWarning(lcLink) << "display of answer" << signature << "failed";
    }
}

void AmpLink::onSocketError(QAbstractSocket::SocketError error) {
    qCDebug(lcLink) << "socket error" << error << socket_.errorString();
    if (isProxyError(error))
        latchError();
}

bool AmpLink::isConnected() const {
    return socket_.state() == QAbstractSocket::ConnectedState;
}

bool AmpLink::isConnecting() const {
    const QAbstractSocket::SocketState state = socket_.state();
    return state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState;
}

void AmpLink::setConnectionState(ConnectionState state) {
    if (connectionState_ == state)
        return;
    connectionState_ = state;
    Q_EMIT connectionStateChanged(state);
}

void AmpLink::setSending(bool sending) {
    if (sending_ == sending)
        return;
    sending_ = sending;
    Q_EMIT sendingChanged(sending);
}

void AmpLink::updateSendTimer() {
    if (queue_.isEmpty())
        sendTimer_.stop();
    else if (!sendTimer_.isActive())
        sendTimer_.start();
}

} // namespace orfa::link
