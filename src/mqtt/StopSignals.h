#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace orfa::mqtt {

// SIGTERM and SIGINT (systemd's stop, Ctrl+C) as a Qt signal. The two are
// blocked for the whole process and read from a signalfd on the event loop:
// call block() first thing in main(), before any thread can start, so that
// every thread inherits the mask.
class StopSignals : public QObject {
    Q_OBJECT
public:
    static void block();

    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

Q_SIGNALS:
    void stopRequested();

private:
    int descriptor_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orfa::mqtt
