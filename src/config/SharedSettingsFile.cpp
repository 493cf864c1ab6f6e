#include "config/SharedSettingsFile.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

NstValues readSharedSettings(const SettingsFile& reg) {
    NstValues values;
    values.IPZesE = reg.readText(keys::IPZesE);
    values.PortZesE = reg.readText(keys::PortZesE);
    values.VstupyRG = reg.readInteger(keys::VstupyRG, 0);
    values.HesloZesE = reg.readText(keys::HesloZesE);
    values.LoginChb = reg.readFlag(keys::LoginChb);
    for (int i = 1; i <= static_cast<int>(values.inputs.size()); ++i) {
        IoEntry& input = values.inputs[static_cast<std::size_t>(i - 1)];
        input.enabled = reg.readFlag(keys::inputEnabled(i));
        input.name = reg.readText(keys::inputName(i), keys::defaultInputName(i));
    }
    for (int j = 1; j <= static_cast<int>(values.outputs.size()); ++j) {
        IoEntry& output = values.outputs[static_cast<std::size_t>(j - 1)];
        output.enabled = reg.readFlag(keys::outputEnabled(j));
        output.name = reg.readText(keys::outputName(j), keys::defaultOutputName(j));
    }
    for (int k = 1; k <= static_cast<int>(values.radioNames.size()); ++k)
        values.radioNames[static_cast<std::size_t>(k - 1)] =
            reg.readText(keys::radioName(k), keys::defaultRadioName(k));
    return values;
}

void writeSharedSettings(SettingsFile& reg, const NstValues& values) {
    reg.writeText(keys::IPZesE, values.IPZesE);
    reg.writeText(keys::HesloZesE, values.HesloZesE);
    reg.writeText(keys::PortZesE, values.PortZesE);
    reg.writeFlag(keys::LoginChb, values.LoginChb);
    reg.writeInteger(keys::VstupyRG, values.VstupyRG);
    for (int i = 1; i <= static_cast<int>(values.inputs.size()); ++i) {
        const IoEntry& input = values.inputs[static_cast<std::size_t>(i - 1)];
        reg.writeFlag(keys::inputEnabled(i), input.enabled);
        reg.writeText(keys::inputName(i), input.name);
    }
    for (int j = 1; j <= static_cast<int>(values.outputs.size()); ++j) {
        const IoEntry& output = values.outputs[static_cast<std::size_t>(j - 1)];
        reg.writeFlag(keys::outputEnabled(j), output.enabled);
        reg.writeText(keys::outputName(j), output.name);
    }
    for (int k = 1; k <= static_cast<int>(values.radioNames.size()); ++k)
        reg.writeText(keys::radioName(k), values.radioNames[static_cast<std::size_t>(k - 1)]);
}

} // namespace orfa::config
