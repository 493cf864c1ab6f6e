#include "model/StateRestore.h"

#include "model/AmpControl.h"

namespace orfa::model {

StateRestore::StateRestore(AmpControl& control, users::OperatorAccess access,
                           std::vector<RestoreStep> steps, QObject* parent)
    : QObject(parent)
    , control_(control)
    , access_(std::move(access))
    , steps_(std::move(steps)) {
    for (const RestoreStep& step : steps_) {
        if (step.kind == RestoreStep::Kind::Level)
            levels_.push_back({step.number, step.value});
    }
    connect(&control_, &AmpControl::commandLeftQueue, this, &StateRestore::sendMore);
}

void StateRestore::start() {
    started_ = true;
    sendMore();
}

void StateRestore::sendMore() {
    if (!started_ || isSent())
        return;
    while (!isSent() && control_.hasRoom())
        send(steps_[next_++]);
    if (isSent())
        Q_EMIT sent();
}

void StateRestore::send(const RestoreStep& step) {
    IntentResult result;
    switch (step.kind) {
    case RestoreStep::Kind::Power:
        result = control_.setPower(step.value != 0);
        break;
    case RestoreStep::Kind::Master:
        result = control_.setMasterVolumeDb(access_, step.value);
        break;
    case RestoreStep::Kind::Source:
        result = control_.setOutputSource(access_, step.number, step.value);
        break;
    case RestoreStep::Kind::Level:
        // Every level goes in one command, sent where the first level step stands.
        if (levels_.empty())
            return;
        result = control_.setOutputLevels(access_, levels_);
        levels_.clear();
        break;
    case RestoreStep::Kind::InputParameter:
        result = control_.setInputParameter(access_, step.number, step.parameter, step.value);
        break;
    }
    if (result.accepted())
        return;
    for (const RestoreStep& failed : steps_) {
        if (&failed == &step || (step.kind == RestoreStep::Kind::Level && failed.kind == step.kind))
            notTaken_ << failed.what;
    }
}

} // namespace orfa::model
