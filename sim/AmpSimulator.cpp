#include "sim/AmpSimulator.h"

#include "sim/AmpCommandProcessor.h"
#include "sim/FrameDescriber.h"
#include "sim/SimConnection.h"

#include "link/Instructions.h"
#include "spinel/Spinel.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace orfa::sim {

using spinel::Bytes;
using namespace Qt::StringLiterals;

namespace {

// Junk without a '*', so that a receiver resynchronises on the answer's own.
const QByteArray kGarbage = QByteArray::fromHex("00137f0dfe");

Bytes toBytes(const QByteArray& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

QByteArray toByteArray(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

struct AmpSimulator::Impl {
    QTcpServer* server = nullptr; // child of the simulator
    AmpState state;
    AmpCommandProcessor processor{state};
    Faults faults;
    std::vector<ReceivedFrame> frames;
    QElapsedTimer clock;
    int accepted = 0;
    std::vector<SimConnection*> connections; // children of the simulator
    bool frameLog = false;
};

AmpSimulator::AmpSimulator(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Impl>()) {
    d->clock.start();
    d->server = new QTcpServer(this);
    connect(d->server, &QTcpServer::newConnection, this, &AmpSimulator::acceptConnections);
}

AmpSimulator::~AmpSimulator() {
    // The connections outlive d as children; nothing of theirs may reach us.
    for (SimConnection* connection : d->connections)
        disconnect(connection, nullptr, this, nullptr);
}

bool AmpSimulator::listen(const QHostAddress& address, quint16 port) {
    return d->server->listen(address, port);
}

quint16 AmpSimulator::port() const {
    return d->server->serverPort();
}

AmpState& AmpSimulator::state() {
    return d->state;
}

const AmpState& AmpSimulator::state() const {
    return d->state;
}

Faults& AmpSimulator::faults() {
    return d->faults;
}

const std::vector<ReceivedFrame>& AmpSimulator::receivedFrames() const {
    return d->frames;
}

void AmpSimulator::clearReceivedFrames() {
    d->frames.clear();
}

qint64 AmpSimulator::elapsedMs() const {
    return d->clock.elapsed();
}

int AmpSimulator::connectionsAccepted() const {
    return d->accepted;
}

int AmpSimulator::openConnections() const {
    return static_cast<int>(std::count_if(d->connections.begin(), d->connections.end(),
                                          [](const SimConnection* c) { return c->isOpen(); }));
}

void AmpSimulator::dropConnections() {
    const std::vector<SimConnection*> connections = d->connections;
    for (SimConnection* connection : connections)
        connection->drop();
}

void AmpSimulator::sendRaw(const QByteArray& bytes) {
    for (SimConnection* connection : d->connections)
        connection->write(bytes);
}

void AmpSimulator::setFrameLog(bool on) {
    d->frameLog = on;
}

void AmpSimulator::acceptConnections() {
    while (QTcpSocket* socket = d->server->nextPendingConnection()) {
        auto* connection = new SimConnection(socket, this);
        d->connections.push_back(connection);
        ++d->accepted;
        connect(connection, &SimConnection::frameReceived, this,
                [this, connection](const QByteArray& frame) { handleFrame(connection, frame); });
        connect(connection, &SimConnection::closed, this,
                [this, connection] { forgetConnection(connection); });
        log(u"connection %1 from %2:%3"_s.arg(d->accepted)
                .arg(socket->peerAddress().toString())
                .arg(socket->peerPort()));
        Q_EMIT clientConnected();
    }
}

void AmpSimulator::forgetConnection(SimConnection* connection) {
    const auto it = std::find(d->connections.begin(), d->connections.end(), connection);
    if (it == d->connections.end())
        return;
    d->connections.erase(it);
    connection->deleteLater();
    log(u"connection closed"_s);
    Q_EMIT clientDisconnected();
}

void AmpSimulator::handleFrame(SimConnection* connection, const QByteArray& frame) {
    d->frames.push_back({elapsedMs(), frame});
    const Bytes bytes = toBytes(frame);
    log(describeCommand(bytes));
    Q_EMIT frameReceived(frame);
    if (d->faults.silent)
        return;
    if (!spinel::hasValidChecksum(bytes) || bytes[4] != link::kAmplifierAddress) {
        log(u"   not for us or bad checksum, no answer"_s);
        return;
    }
    const std::uint8_t signature = bytes[spinel::kFrame97SignatureOffset];
    const std::uint8_t instruction = bytes[spinel::kFrame97InstructionOffset];
    const Bytes data(bytes.begin() + static_cast<std::ptrdiff_t>(spinel::kFrame97DataOffset),
                     bytes.end() - 2);
    AmpAnswer answer;
    if (d->faults.ackCode != kAckAccepted) {
        // A refusal: settings change nothing; requests still show their data
        // so that a receiver that ignores the code is caught.
        answer.ack = d->faults.ackCode;
        if (link::isRequest(instruction))
            answer.data = d->processor.process(instruction, data).data;
    } else {
        answer = d->processor.process(instruction, data);
    }
    const Bytes reply =
        spinel::makeFrame('a', link::kAmplifierAddress, signature, answer.ack, answer.data);
    const QString description = describeAnswer(reply, instruction);
    if (d->faults.answerDelayMs > 0) {
        QTimer::singleShot(d->faults.answerDelayMs, connection,
                           [this, connection, reply, description] {
                               deliver(connection, toByteArray(reply), description);
                           });
    } else {
        deliver(connection, toByteArray(reply), description);
    }
}

void AmpSimulator::deliver(SimConnection* connection, const QByteArray& reply,
                           const QString& description) {
    if (!connection->isOpen())
        return;
    const bool drop = d->faults.dropAfterAnswer;
    if (d->faults.garbageBeforeAnswer)
        connection->write(kGarbage);
    log(description);
    if (!d->faults.splitAnswers) {
        connection->write(reply);
        if (drop)
            connection->closeAfterWriting();
        return;
    }
    const qsizetype half = reply.size() / 2;
    connection->write(reply.left(half));
    QTimer::singleShot(d->faults.splitPauseMs, connection,
                       [connection, rest = reply.mid(half), drop] {
                           connection->write(rest);
                           if (drop)
                               connection->closeAfterWriting();
                       });
}

void AmpSimulator::log(const QString& line) const {
    if (!d->frameLog)
        return;
    std::fprintf(stderr, "[%7lld ms] %s\n", static_cast<long long>(elapsedMs()), qPrintable(line));
}

} // namespace orfa::sim
