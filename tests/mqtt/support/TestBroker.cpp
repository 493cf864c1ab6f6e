#include "mqtt/support/TestBroker.h"

#include "support/ClosedPort.h"

#include <QFile>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr auto kBroker = "/usr/sbin/mosquitto";

bool accepts(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

} // namespace

TestBroker::TestBroker()
    : port_(closedLoopbackPort()) {
    QFile config(dir_.filePath(QStringLiteral("mosquitto.conf")));
    if (!config.open(QIODevice::WriteOnly))
        qFatal("cannot write the broker's configuration");
    config.write(QStringLiteral("listener %1 127.0.0.1\n"
                                "allow_anonymous true\n"
                                "persistence false\n"
                                "log_dest stderr\n"
                                "log_type error\n"
                                "log_type warning\n")
                     .arg(port_)
                     .toUtf8());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

TestBroker::~TestBroker() {
    kill();
}

QString TestBroker::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

bool TestBroker::start() {
    process_.start(QString::fromLatin1(kBroker),
                   {QStringLiteral("-c"), dir_.filePath(QStringLiteral("mosquitto.conf"))});
    if (!process_.waitForStarted(5000))
        return false;
    return QTest::qWaitFor([this] { return accepts(port_); }, 5000);
}

void TestBroker::kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(5000);
}

bool TestBroker::restart() {
    kill();
    return start();
}
