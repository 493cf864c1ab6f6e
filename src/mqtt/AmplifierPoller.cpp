#include "mqtt/AmplifierPoller.h"

#include "model/AmpControl.h"

namespace orfa::mqtt {

AmplifierPoller::AmplifierPoller(model::AmpControl& control, int intervalMs, QObject* parent)
    : QObject(parent)
    , control_(control) {
    interval_.setInterval(intervalMs);
    connect(&interval_, &QTimer::timeout, this, &AmplifierPoller::pollNow);
}

void AmplifierPoller::start() {
    interval_.start();
    pollNow();
}

void AmplifierPoller::pollNow() {
    Q_EMIT aboutToPoll();
    control_.readWholeState();
}

} // namespace orfa::mqtt
