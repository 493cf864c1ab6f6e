#pragma once

#include "model/IntentResult.h"
#include "mqtt/MqttClient.h"
#include "mqtt/TopicLayout.h"
#include "users/OperatorAccess.h"

#include <optional>

namespace orfa::model {
class AmpControl;
}

namespace orfa::mqtt {

class AmplifierNames;

// Turns a message on a command topic into the operator's intent on the
// amplifier, as the panel's controls do (a level moves the output's group).
// A message that is retained (an old command, stored by the broker), on no
// command topic, for an output or source switched off, or with a payload out
// of range or malformed changes nothing and logs one warning.
class CommandHandler {
public:
    enum class Outcome { Ignored, Done };

    // Everything must outlive this object.
    CommandHandler(model::AmpControl& control, const TopicLayout& topics,
                   const AmplifierNames& names);

    // Whose rights the commands are carried out with; until it is set every
    // command is ignored.
    void setAccess(const users::OperatorAccess& access);

    Outcome handle(const MqttMessage& message);

private:
    Outcome carryOut(const CommandTopic& command, const MqttMessage& message);
    // The intent a command's payload asks for; malformed says why there is none.
    model::IntentResult intent(const CommandTopic& command, const QByteArray& payload,
                               const char*& malformed);

    model::AmpControl& control_;
    const TopicLayout& topics_;
    const AmplifierNames& names_;
    std::optional<users::OperatorAccess> access_;
};

} // namespace orfa::mqtt
