#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A Mosquitto broker of the test's own, a child process listening on a free
// port of 127.0.0.1 (anonymous, nothing kept on disk). Stopped when destroyed.
class TestBroker {
public:
    TestBroker();
    ~TestBroker();
    TestBroker(const TestBroker&) = delete;
    TestBroker& operator=(const TestBroker&) = delete;

    quint16 port() const { return port_; }
    QString address() const;

    // Starts the broker and waits until it accepts connections; false when it
    // does not within a few seconds.
    bool start();
    // Kills the broker (its retained messages are lost with it).
    void kill();
    bool restart();

private:
    QTemporaryDir dir_;
    quint16 port_ = 0;
    QProcess process_;
};
