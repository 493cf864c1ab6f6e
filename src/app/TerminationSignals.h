#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace orfa::app {

// Turns SIGTERM and SIGINT into a Qt signal on the event loop, so that a
// logout or `kill` ends the program the ordinary way.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace orfa::app
