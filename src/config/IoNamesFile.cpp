#include "config/IoNamesFile.h"

#include "config/FileRecords.h"
#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

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
    const int lastGroup = lastGroupId(file);
    for (int g = 1; g <= lastGroup; ++g) {
        for (const int output : readGroupMembers(file, g)) {
            if (output >= 1 && output <= 16)
                names.groups.push_back(GroupMember{output, g});
        }
    }
    return names;
}

} // namespace orfa::config
