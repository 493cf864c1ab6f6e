#pragma once

#include "sim/AmpState.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace orfa::sim {

class SimConnection;

// Ways to make the amplifier misbehave, for tests and for people.
struct Faults {
    bool silent = false;              // read commands, never answer
    int answerDelayMs = 0;            // answer this late
    std::uint8_t ackCode = 0;         // acknowledge code of every answer (0 = accepted)
    bool dropAfterAnswer = false;     // close the connection after each answer
    bool garbageBeforeAnswer = false; // a few junk bytes before each answer
    bool splitAnswers = false;        // write each answer in two pieces, 20 ms apart
    int splitPauseMs = 20;            // the pause between the two pieces
};

// One frame as it reached the simulator.
struct ReceivedFrame {
    qint64 atMs = 0; // milliseconds since the simulator was created
    QByteArray frame;
};

// A Spinel format-97 amplifier on a TCP port: keeps the amplifier's state and
// answers every command of the catalogue with the same signature.
class AmpSimulator : public QObject {
    Q_OBJECT
public:
    explicit AmpSimulator(QObject* parent = nullptr);
    ~AmpSimulator() override;

    // Port 0 picks a free port; see port().
    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    quint16 port() const;

    AmpState& state();
    const AmpState& state() const;
    Faults& faults();

    // Frames received, in order of arrival.
    const std::vector<ReceivedFrame>& receivedFrames() const;
    void clearReceivedFrames();
    qint64 elapsedMs() const;

    int connectionsAccepted() const;
    int openConnections() const;
    void dropConnections();

    // Writes raw bytes to every open connection (junk, unsolicited answers).
    void sendRaw(const QByteArray& bytes);

    // A readable line per frame on stderr: instruction name and decoded data.
    void setFrameLog(bool on);

Q_SIGNALS:
    void frameReceived(const QByteArray& frame);
    void clientConnected();
    void clientDisconnected();

private:
    void acceptConnections();
    void forgetConnection(SimConnection* connection);
    void handleFrame(SimConnection* connection, const QByteArray& frame);
    void deliver(SimConnection* connection, const QByteArray& reply, const QString& description);
    void log(const QString& line) const;

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace orfa::sim
