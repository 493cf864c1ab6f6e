#pragma once

#include <QTcpServer>

// A TCP port on 127.0.0.1 that nothing listens on: taken from the system, then let go.
inline quint16 closedLoopbackPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        qFatal("no free port on 127.0.0.1");
    const quint16 port = server.serverPort();
    server.close();
    return port;
}
