#include "data/OutputGroups.h"

#include "link/Instructions.h"
#include "model/AmplifierModel.h"

namespace orfa::data {

void applyOutputGroups(model::AmplifierModel& model, const config::IoNames& names) {
    for (int n = 1; n <= link::kOutputCount; ++n)
        model.setOutputGroup(n, 0);
    for (const config::GroupMember& member : names.groups)
        model.setOutputGroup(member.output, member.group);
}

} // namespace orfa::data
