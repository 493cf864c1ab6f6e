#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace orfa::data {

// SIGTERM and SIGINT (a logout, `kill`, systemd's stop, Ctrl+C) as a Qt signal on the event
// loop, so that a front end ends the ordinary way. The signal handler only writes a byte to
// a socket that the event loop watches, so a signal may arrive in any thread at any moment.
// One object at a time: from its construction to its destruction it handles the two
// signals; afterwards they are handled as they were before.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

Q_SIGNALS:
    void stopRequested();

private:
    void drain();

    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orfa::data
