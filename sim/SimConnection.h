#pragma once

#include "spinel/FrameReader.h"

#include <QByteArray>
#include <QObject>

class QTcpSocket;

namespace orfa::sim {

// One client of the simulated amplifier: collects the bytes it sends, cuts
// format-97 frames out of them with the codec's frame reader (junk is skipped
// up to the next '*'; a frame with an impossible length or without its CR is
// dropped by its '*' so that reading resumes at the next one) and writes
// answers back.
class SimConnection : public QObject {
    Q_OBJECT
public:
    // Takes the socket over as a child.
    SimConnection(QTcpSocket* socket, QObject* parent);

    bool isOpen() const;
    // Bytes as they are; nothing happens once the connection is closing.
    void write(const QByteArray& bytes);
    // Closes once everything written has gone out.
    void closeAfterWriting();
    // Closes at once, discarding what has not been sent.
    void drop();

    // Frames longer than this are taken for junk (the panel's longest is 45).
    static constexpr std::size_t kMaxFrameLength = 1024;

Q_SIGNALS:
    void frameReceived(const QByteArray& frame);
    void closed();

private:
    void readAvailable();

    QTcpSocket* socket_;
    spinel::FrameReader reader_;
    bool closedReported_ = false;
};

} // namespace orfa::sim
