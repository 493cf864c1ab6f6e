#include "sim/SimConnection.h"

#include "spinel/Spinel97.h"

#include <QTcpSocket>

#include <algorithm>

namespace orfa::sim {

using spinel::Bytes;

SimConnection::SimConnection(QTcpSocket* socket, QObject* parent)
    : QObject(parent)
    , socket_(socket) {
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
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    cutFrames();
}

void SimConnection::cutFrames() {
    while (!buffer_.empty()) {
        const auto star = std::find(buffer_.begin(), buffer_.end(), spinel::kPrefix);
        buffer_.erase(buffer_.begin(), star);
        if (buffer_.size() < 4)
            return;
        const std::size_t length = spinel::Spinel97AnnouncedLength(buffer_);
        if (buffer_[1] != spinel::kFormat97 || length < spinel::kFrame97Overhead ||
            length > kMaxFrameLength) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        if (buffer_.size() < length)
            return;
        Bytes frame = spinel::Spinel97Extract(buffer_, false);
        if (spinel::Spinel97Check(frame) != spinel::kCheckOk) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(length));
        Q_EMIT frameReceived(QByteArray(reinterpret_cast<const char*>(frame.data()),
                                        static_cast<qsizetype>(frame.size())));
    }
}

} // namespace orfa::sim
