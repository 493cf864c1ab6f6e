#include "mqtt/StateMessages.h"

#include "link/FrequencyText.h"
#include "link/Instructions.h"
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
    using model::AmpItem;
    // Only what the amplifier has reported (or was asked for) is published:
    // an unknown value is no 0.
    std::vector<RetainedMessage> messages;
    if (model.power() != link::PowerState::Unknown)
        messages.push_back({topics.power(), onOff(model.power() == link::PowerState::On)});
    if (model.isKnown(AmpItem::masterVolume()))
        messages.push_back({topics.master(), QByteArray::number(model.masterVolumeDb())});
    if (const auto frequency = model.tunedFrequency())
        messages.push_back({topics.frequency(), link::frequencyText(*frequency).toUtf8()});
    for (int n = 1; n <= link::kOutputCount; ++n) {
        if (!names.outputEnabled(n)) {
            for (const QString& topic : {topics.outputLevel(n), topics.outputVolume(n),
                                         topics.outputSource(n), topics.outputMute(n)})
                messages.push_back({topic, {}});
            continue;
        }
        if (model.isKnown(AmpItem::outputLevel(n))) {
            messages.push_back({topics.outputLevel(n), QByteArray::number(model.outputLevel(n))});
            messages.push_back({topics.outputVolume(n), QByteArray::number(model.outputVolume(n))});
            messages.push_back({topics.outputMute(n), onOff(model.isMuted(n))});
        }
        // Before the amplifier has named a source there is nothing to show.
        if (const int source = model.outputSource(n); source != 0)
            messages.push_back({topics.outputSource(n), names.sourceLabel(source).toUtf8()});
    }
    return messages;
}

} // namespace orfa::mqtt
