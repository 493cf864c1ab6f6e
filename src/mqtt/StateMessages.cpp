#include "mqtt/StateMessages.h"

#include "link/FrequencyText.h"
#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "model/AmplifierModel.h"
#include "mqtt/AmplifierNames.h"
#include "mqtt/TopicLayout.h"

namespace orfa::mqtt {
namespace {

QByteArray onOff(bool on) {
    return on ? QByteArrayLiteral("ON") : QByteArrayLiteral("OFF");
}

} // namespace

std::vector<RetainedMessage> stateMessages(const model::AmplifierModel& model,
                                           const TopicLayout& topics, const AmplifierNames& names) {
    std::vector<RetainedMessage> messages;
    if (model.power() != link::PowerState::Unknown)
        messages.push_back({topics.power(), onOff(model.power() == link::PowerState::On)});
    messages.push_back(
        {topics.master(), QByteArray::number(link::masterVolumeDb(model.masterVolume()))});
    if (const auto frequency = model.tunedFrequency())
        messages.push_back({topics.frequency(), link::frequencyText(*frequency).toUtf8()});
    for (int n = 1; n <= link::kOutputCount; ++n) {
        if (!names.outputEnabled(n)) {
            for (const QString& topic :
                 {topics.outputLevel(n), topics.outputSource(n), topics.outputMute(n)})
                messages.push_back({topic, {}});
            continue;
        }
        const int level = model.outputLevel(n);
        messages.push_back({topics.outputLevel(n), QByteArray::number(level)});
        // Before the amplifier has named a source there is nothing to show.
        if (const int source = model.outputSource(n); source != 0)
            messages.push_back({topics.outputSource(n), names.sourceLabel(source).toUtf8()});
        messages.push_back(
            {topics.outputMute(n), onOff(level == model::AmplifierModel::kMutedLevel)});
    }
    return messages;
}

} // namespace orfa::mqtt
