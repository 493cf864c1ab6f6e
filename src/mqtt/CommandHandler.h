#pragma once

#include "mqtt/MqttClient.h"

namespace orfa::model {
class AmpControl;
class AmplifierModel;
} // namespace orfa::model

namespace orfa::mqtt {

class AmplifierNames;
class TopicLayout;

// Turns a message on a command topic into the operator's intent on the
// amplifier, as the panel's controls do (a level moves the output's group).
// A message that is retained (an old command, stored by the broker), on no
// command topic, for an output or source switched off, or with a payload out
// of range or malformed changes nothing and logs one warning.
class CommandHandler {
public:
    enum class Outcome {
        Ignored,
        Done,
        // A preset was recalled: the amplifier's state changed beyond what
        // the model knows.
        Recalled,
    };

    // Everything must outlive this object.
    CommandHandler(model::AmpControl& control, const model::AmplifierModel& model,
                   const TopicLayout& topics, const AmplifierNames& names);

    Outcome handle(const MqttMessage& message);

private:
    model::AmpControl& control_;
    const model::AmplifierModel& model_;
    const TopicLayout& topics_;
    const AmplifierNames& names_;
};

} // namespace orfa::mqtt
