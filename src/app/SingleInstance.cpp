#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace orfa::app {
namespace {

const QByteArray kActivate = QByteArrayLiteral("OrfaMutex\n");

QString instanceName(const QString& settingsDirectory) {
    const QString dir = QFileInfo(settingsDirectory).absoluteFilePath();
    const QByteArray key = qgetenv("USER") + '\0' + dir.toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("orfa-") + QString::fromLatin1(hash.left(16));
}

QString lockDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsDirectory, QObject* parent)
    : QObject(parent)
    , name_(instanceName(settingsDirectory))
    , lock_(std::make_unique<QLockFile>(lockDirectory() + QLatin1Char('/') + name_ +
                                        QStringLiteral(".lock"))) {
    // A lock is stale only when its process is gone, never by age.
    lock_->setStaleLockTime(0);
    primary_ = lock_->tryLock(0);
    if (!primary_)
        return;
    QLocalServer::removeServer(name_); // a socket file left by a crashed copy
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name_);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::activatePrimary(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kActivate.trimmed()))
                Q_EMIT activationRequested();
        });
    }
}

} // namespace orfa::app
