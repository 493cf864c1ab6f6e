#include "sim/SimConnection.h"

#include <QTcpSocket>

namespace orfa::sim {

using spinel::Bytes;

SimConnection::SimConnection(QTcpSocket* socket, QObject* parent)
    : QObject(parent)
    , socket_(socket)
    , reader_(kMaxFrameLength) {
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &SimConnection::readAvailable);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        if (closedReported_)
            return;
        closedReported_ = true;
        Q_EMIT closed();
    });
}

bool SimConnection::isOpen() const {
    return socket_->state() == QAbstractSocket::ConnectedState;
}

void SimConnection::write(const QByteArray& bytes) {
    if (isOpen())
        socket_->write(bytes);
}

void SimConnection::closeAfterWriting() {
    if (isOpen())
        socket_->disconnectFromHost();
}

void SimConnection::drop() {
    socket_->abort();
}

void SimConnection::readAvailable() {
    const QByteArray bytes = socket_->readAll();
    reader_.append(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()));
    for (Bytes frame = reader_.takeFrame(); !frame.empty(); frame = reader_.takeFrame())
        Q_EMIT frameReceived(QByteArray(reinterpret_cast<const char*>(frame.data()),
                                        static_cast<qsizetype>(frame.size())));
}

} // namespace orfa::sim
