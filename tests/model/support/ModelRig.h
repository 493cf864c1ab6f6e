#pragma once

#include "link/AmpLink.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "support/SimulatorRig.h"
#include "users/OperatorAccess.h"

// The amplifier model against the simulator on loopback: a link with the
// rigs' short send delay, the model and its control, as a program without a
// window has them.
class ModelRig : public orfa::test::SimulatorRig {
public:
    ModelRig()
        : control_(model_, link_) {
        pointAtSimulator(link_);
    }

    orfa::link::AmpLink& link() { return link_; }
    orfa::model::AmplifierModel& model() { return model_; }
    orfa::model::AmpControl& control() { return control_; }
    // Every output and source in use, every right.
    const orfa::users::OperatorAccess& access() const { return access_; }

    // Waits until the link's queue is empty: everything sent was answered or dropped.
    bool waitForIdleQueue() { return waitForIdle(link_); }
    // Waits for an idle queue, then forgets what the simulator received so far.
    bool settle() { return SimulatorRig::settle(link_); }

private:
    orfa::link::AmpLink link_;
    orfa::model::AmplifierModel model_;
    orfa::model::AmpControl control_;
    orfa::users::OperatorAccess access_ = orfa::users::OperatorAccess::unrestricted();
};
