#include "config/IoNamesFile.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

#include <algorithm>

namespace orfa::config {
namespace {

// A damaged count must not keep the panel reading keys for minutes: the editor
// stores at most 16 members.
constexpr int kMemberLimit = 64;

} // namespace

IoNames readIoNames(const SettingsFile& file) {
    IoNames names;
    for (int i = 1; i <= 10; ++i) {
        names.sources.at(static_cast<std::size_t>(i - 1)) =
            IoEntry{file.readText(keys::inputName(i), keys::defaultInputName(i)),
                    file.readFlag(keys::inputEnabled(i), false)};
    }
    for (int n = 1; n <= 16; ++n) {
        names.outputs.at(static_cast<std::size_t>(n - 1)) =
            IoEntry{file.readText(keys::outputName(n), keys::defaultOutputName(n)),
                    file.readFlag(keys::outputEnabled(n), false)};
    }
    for (int r = 1; r <= 9; ++r) {
        names.radioNames.at(static_cast<std::size_t>(r - 1)) =
            file.readText(keys::radioName(r), keys::defaultRadioName(r));
    }
    const int maxGroup = std::min(file.readInteger(keys::maxGroupId(), 0), keys::kHighestGroupId);
    for (int g = 1; g <= maxGroup; ++g) {
        const int count = std::min(file.readInteger(keys::groupCount(g), 0), kMemberLimit);
        for (int m = 1; m <= count; ++m) {
            const int output = file.readInteger(keys::groupMember(g, m), 0);
            if (output >= 1 && output <= 16)
                names.groups.push_back(GroupMember{output, g});
        }
    }
    return names;
}

} // namespace orfa::config
