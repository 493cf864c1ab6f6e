#pragma once

#include <QTcpServer>
#include <QTcpSocket>

#include <memory>
#include <vector>

// A listener on 127.0.0.1 that takes no connection yet: connections of its own
// fill the kernel's queue of a short backlog until a further attempt stays
// under way, as the panel's attempt will until resume().
class StalledListener {
public:
    StalledListener() {
        server_.setListenBacklogSize(1);
        if (!server_.listen(QHostAddress::LocalHost, 0))
            qFatal("no free port on 127.0.0.1");
        server_.pauseAccepting();
        for (int i = 0; i < 8; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, server_.serverPort());
            if (!socket->waitForConnected(300)) {
                socket->abort(); // the queue is full
                return;
            }
            queued_.push_back(std::move(socket));
        }
        qFatal("the listen queue of 127.0.0.1:%u never filled", server_.serverPort());
    }

    quint16 port() const { return server_.serverPort(); }
    // Takes the waiting connections; the next attempt gets through.
    void resume() { server_.resumeAccepting(); }

private:
    QTcpServer server_;
    std::vector<std::unique_ptr<QTcpSocket>> queued_;
};
