#pragma once

#include <QObject>
#include <QTimer>

namespace orfa::model {
class AmpControl;
}

namespace orfa::mqtt {

// Reads the amplifier's whole state at an interval: the amplifier reports
// nothing by itself, and panels change it too. Whether it answers is the
// model's to tell.
class AmplifierPoller : public QObject {
    Q_OBJECT
public:
    // control must outlive this object.
    AmplifierPoller(model::AmpControl& control, int intervalMs, QObject* parent = nullptr);

    // Polls now and then at every interval.
    void start();
    // An extra poll now: after a reconnect.
    void pollNow();

Q_SIGNALS:
    // Right before the requests are queued.
    void aboutToPoll();

private:
    model::AmpControl& control_;
    QTimer interval_;
};

} // namespace orfa::mqtt
