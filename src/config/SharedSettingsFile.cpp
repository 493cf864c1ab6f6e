#include "config/SharedSettingsFile.h"

#include "config/SettingsFile.h"
#include "config/SettingsKeys.h"

namespace orfa::config {

NstValues readSharedSettings(const SettingsFile& settings) {
    NstValues values;
    values.amplifierHost = settings.readText(keys::IPZesE);
    values.amplifierPort = settings.readText(keys::PortZesE);
    values.outputsChoice = settings.readInteger(keys::VstupyRG, 0);
    values.amplifierPassword = settings.readText(keys::HesloZesE);
    values.loginAtStart = settings.readFlag(keys::LoginChb);
    for (int i = 1; i <= static_cast<int>(values.inputs.size()); ++i) {
        IoEntry& input = values.inputs[static_cast<std::size_t>(i - 1)];
        input.enabled = settings.readFlag(keys::inputEnabled(i));
        input.name = settings.readText(keys::inputName(i), keys::defaultInputName(i));
    }
    for (int j = 1; j <= static_cast<int>(values.outputs.size()); ++j) {
        IoEntry& output = values.outputs[static_cast<std::size_t>(j - 1)];
        output.enabled = settings.readFlag(keys::outputEnabled(j));
        output.name = settings.readText(keys::outputName(j), keys::defaultOutputName(j));
    }
    for (int k = 1; k <= static_cast<int>(values.radioNames.size()); ++k)
        values.radioNames[static_cast<std::size_t>(k - 1)] =
            settings.readText(keys::radioName(k), keys::defaultRadioName(k));
    return values;
}

void writeSharedSettings(SettingsFile& settings, const NstValues& values) {
    settings.writeText(keys::IPZesE, values.amplifierHost);
    settings.writeText(keys::HesloZesE, values.amplifierPassword);
    settings.writeText(keys::PortZesE, values.amplifierPort);
    settings.writeFlag(keys::LoginChb, values.loginAtStart);
    settings.writeInteger(keys::VstupyRG, values.outputsChoice);
    for (int i = 1; i <= static_cast<int>(values.inputs.size()); ++i) {
        const IoEntry& input = values.inputs[static_cast<std::size_t>(i - 1)];
        settings.writeFlag(keys::inputEnabled(i), input.enabled);
        settings.writeText(keys::inputName(i), input.name);
    }
    for (int j = 1; j <= static_cast<int>(values.outputs.size()); ++j) {
        const IoEntry& output = values.outputs[static_cast<std::size_t>(j - 1)];
        settings.writeFlag(keys::outputEnabled(j), output.enabled);
        settings.writeText(keys::outputName(j), output.name);
    }
    for (int k = 1; k <= static_cast<int>(values.radioNames.size()); ++k)
        settings.writeText(keys::radioName(k), values.radioNames[static_cast<std::size_t>(k - 1)]);
}

} // namespace orfa::config
