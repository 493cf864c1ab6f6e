#pragma once

#include "spinel/FrameReader.h"

#include <QByteArray>
#include <QList>
#include <QTcpSocket>

#include <vector>

namespace orfa::test {

// A bare client of the simulator for tests: writes bytes, keeps every chunk
// it reads and cuts the answers out of them.
class SimClient {
public:
    // Connects to 127.0.0.1:port and waits up to a second for it.
    bool connectTo(quint16 port);

    void send(const spinel::Bytes& frame);
    void sendRaw(const QByteArray& bytes);

    // Waits (briefly) until at least `count` answers have been cut.
    bool waitForAnswers(std::size_t count, int timeoutMs = 2000);
    bool waitForDisconnect(int timeoutMs = 2000);

    // Sends one frame and waits for the next answer; empty on timeout.
    spinel::Bytes exchange(const spinel::Bytes& frame);

    const std::vector<spinel::Bytes>& answers() const { return answers_; }
    const QList<QByteArray>& chunks() const { return chunks_; }
    QByteArray received() const;
    QTcpSocket& socket() { return socket_; }

private:
    // Longer than any answer of the simulator.
    static constexpr std::size_t kLongestAnswer = 1024;

    void readAvailable();

    QTcpSocket socket_;
    spinel::FrameReader reader_{kLongestAnswer};
    std::vector<spinel::Bytes> answers_;
    QList<QByteArray> chunks_;
};

} // namespace orfa::test
