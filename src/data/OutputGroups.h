#pragma once

#include "config/IoNames.h"

namespace orfa::model {
class AmplifierModel;
}

namespace orfa::data {

// Puts the output groups as stored into the model, replacing those recorded
// before: an output in no group gets 0 (an output taken out of its group, or
// of a deleted one, stops moving with it at once), one listed in several
// groups the group listed last. Members outside 1..16 are ignored.
void applyOutputGroups(model::AmplifierModel& model, const config::IoNames& names);

} // namespace orfa::data
