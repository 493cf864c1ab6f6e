#include "sim/support/SimClient.h"

#include "spinel/Spinel.h"

#include <QHostAddress>
#include <QNetworkProxy>
#include <QTest>

#include <algorithm>

namespace orfa::test {

bool SimClient::connectTo(quint16 port) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { readAvailable(); });
    socket_.setProxy(QNetworkProxy::NoProxy);
    socket_.connectToHost(QHostAddress::LocalHost, port);
    return QTest::qWaitFor([this] { return socket_.state() == QAbstractSocket::ConnectedState; },
                           1000);
}

void SimClient::send(const spinel::Bytes& frame) {
    sendRaw(QByteArray(reinterpret_cast<const char*>(frame.data()),
                       static_cast<qsizetype>(frame.size())));
}

void SimClient::sendRaw(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.flush();
}

bool SimClient::waitForAnswers(std::size_t count, int timeoutMs) {
    return QTest::qWaitFor([this, count] { return answers_.size() >= count; }, timeoutMs);
}

bool SimClient::waitForDisconnect(int timeoutMs) {
    return QTest::qWaitFor([this] { return socket_.state() == QAbstractSocket::UnconnectedState; },
                           timeoutMs);
}

spinel::Bytes SimClient::exchange(const spinel::Bytes& frame) {
    const std::size_t before = answers_.size();
    send(frame);
    if (!waitForAnswers(before + 1))
        return {};
    return answers_[before];
}

QByteArray SimClient::received() const {
    QByteArray all;
    for (const QByteArray& chunk : chunks_)
        all += chunk;
    return all;
}

void SimClient::readAvailable() {
    const QByteArray bytes = socket_.readAll();
    chunks_ << bytes;
    reader_.append(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()));
    for (spinel::Bytes frame = reader_.takeFrame(); !frame.empty(); frame = reader_.takeFrame())
        answers_.push_back(std::move(frame));
}

} // namespace orfa::test
