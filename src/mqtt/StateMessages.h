#pragma once

#include "mqtt/RetainedPublisher.h"

#include <vector>

namespace orfa::model {
class AmplifierModel;
}

namespace orfa::mqtt {

class AmplifierNames;
class TopicLayout;

// The amplifier's state as retained messages on the state topics (see
// TopicLayout): power (once known), master volume in dB, level, source name
// and mute of every enabled output, the tuned frequency (once known). The
// topics of outputs switched off get empty payloads, which clears them.
std::vector<RetainedMessage> stateMessages(const model::AmplifierModel& model,
                                           const TopicLayout& topics, const AmplifierNames& names);

} // namespace orfa::mqtt
