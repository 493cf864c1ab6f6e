#include "model/AmpControl.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "link/CommandName.h"
#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "model/AmplifierModel.h"
#include "model/ModelLog.h"

#include <algorithm>
#include <vector>

namespace orfa::model {
namespace {

bool inRange(int number, int count) {
    return number >= 1 && number <= count;
}

} // namespace

AmpControl::AmpControl(AmplifierModel& model, link::AmpLink& link, QObject* parent)
    : QObject(parent)
    , model_(model)
    , link_(link)
    , answers_(model, link) {
    connect(&link, &link::AmpLink::commandRefused, this,
            [this](const link::Command& command, int ack) {
                commandFailed(command.frame, QStringLiteral("refused with code %1").arg(ack));
            });
    connect(&link, &link::AmpLink::commandDropped, this, [this](const link::Command& command) {
        commandFailed(command.frame, QStringLiteral("not answered"));
    });
}

void AmpControl::setOutputLevel(int output, int level, Spread spread) {
    if (!sendingAllowed_ || !inRange(output, link::kOutputCount))
        return;
    level = std::clamp(level, 0, link::kOutputLevelMax);
    std::vector<link::OutputValue> levels{{output, level}};
    if (const int group = model_.outputGroup(output); group != 0 && spread == Spread::Group) {
        for (int s = 1; s <= link::kOutputCount; ++s) {
            if (model_.outputGroup(s) == group)
                levels.push_back({s, level});
        }
    }
    for (const link::OutputValue& pair : levels)
        model_.setOutputLevel(pair.output, pair.value);
    queue(link::buildSetOutputLevels(link_.signature(), levels));
}

void AmpControl::setOutputLevels(const std::vector<link::OutputValue>& levels) {
    if (!sendingAllowed_)
        return;
    std::vector<link::OutputValue> pairs;
    for (const link::OutputValue& pair : levels) {
        if (!inRange(pair.output, link::kOutputCount))
            continue;
        pairs.push_back({pair.output, std::clamp(pair.value, 0, link::kOutputLevelMax)});
        model_.setOutputLevel(pairs.back().output, pairs.back().value);
    }
    if (!pairs.empty())
        queue(link::buildSetOutputLevels(link_.signature(), pairs));
}

void AmpControl::setMuted(int output, bool muted) {
    if (!sendingAllowed_ || !inRange(output, link::kOutputCount) || model_.isMuted(output) == muted)
        return;
    const int level = model_.outputLevel(output);
    model_.setMuted(output, muted, level);
    const int target = muted ? AmplifierModel::kMutedLevel : model_.levelToRestore(output);
    if (level != target)
        setOutputLevel(output, target);
}

void AmpControl::setOutputSource(int output, int source) {
    if (!sendingAllowed_ || !inRange(output, link::kOutputCount) ||
        !inRange(source, link::kSourceCount))
        return;
    model_.setOutputSource(output, source);
    queue(link::buildSetOutputSource(link_.signature(), output, source));
}

void AmpControl::setMasterVolume(int position) {
    if (!sendingAllowed_)
        return;
    model_.setMasterVolume(position);
    queue(link::buildSetMasterVolume(link_.signature(), model_.masterVolume()));
}

void AmpControl::setInputParameter(int box, int parameter, int position) {
    if (!sendingAllowed_ || !inRange(box, link::kInputBoxCount) ||
        !inRange(parameter, link::kInputParameterCount))
        return;
    model_.setInputParameter(box, parameter, position);
    queue(link::buildSetInputParameter(link_.signature(), box, parameter,
                                       model_.inputParameter(box, parameter)));
}

void AmpControl::recallPreset(int preset) {
    if (sendingAllowed_ && inRange(preset, link::kPresetCount))
        queue(link::buildActivatePreset(link_.signature(), preset));
}

void AmpControl::storePreset(int preset) {
    if (sendingAllowed_ && inRange(preset, link::kPresetCount))
        queue(link::buildStorePreset(link_.signature(), preset));
}

void AmpControl::recallRadioMemory(int memory) {
    if (!sendingAllowed_ || !inRange(memory, link::kRadioMemoryCount))
        return;
    queue(link::buildTuneRadioMemory(link_.signature(), memory));
    // The frequency label shows the memory's frequency once this is answered.
    queue(link::buildReadTunedFrequency(link_.signature()));
}

void AmpControl::setPower(bool on) {
    model_.setPower(on ? link::PowerState::On : link::PowerState::Off);
    queue(link::buildSetPower(link_.signature(), on));
}

void AmpControl::togglePower() {
    setPower(model_.power() != link::PowerState::On);
}

void AmpControl::storeRadioMemories(const link::RadioMemories& memories) {
    for (int m = 1; m <= link::kRadioMemoryCount; ++m)
        model_.setRadioMemory(m, memories[static_cast<std::size_t>(m - 1)]);
    queue(link::buildStoreRadioMemories(link_.signature(), memories));
}

void AmpControl::storeSchedule(const link::WeeklySchedule& schedule) {
    model_.setScheduleInOperation(schedule.inOperation);
    for (int day = 1; day <= link::kWeekdayCount; ++day)
        model_.setScheduleDay(day, schedule.days[static_cast<std::size_t>(day - 1)]);
    queue(link::buildStoreSchedule(link_.signature(), schedule));
}

void AmpControl::refresh(Page page) {
    const bool dialogPage = page == Page::RadioMemories || page == Page::Schedule;
    if (!sendingAllowed_ && !dialogPage)
        return;
    std::vector<RequestBuilder> requests;
    switch (page) {
    case Page::Inputs:
        requests = {link::buildReadMasterVolume, link::buildReadInputParameters,
                    link::buildReadTunedFrequency, link::buildReadPower};
        break;
    case Page::Outputs:
        requests = {link::buildReadOutputSources, link::buildReadOutputLevels,
                    link::buildReadMasterVolume, link::buildReadPower};
        break;
    case Page::RadioMemories:
        requests = {link::buildReadRadioMemories};
        break;
    case Page::Schedule:
        requests = {link::buildReadSchedule};
        break;
    case Page::Power:
        requests = {link::buildReadPower};
        break;
    }
    for (RequestBuilder build : requests)
        queue(build(link_.signature()));
}

void AmpControl::queue(const link::Command& command) {
    // Refused: the queue was full, or the link's error latch is set.
    if (link_.send(command) == link::SendResult::Refused)
        commandFailed(command.frame, QStringLiteral("not queued"));
}

void AmpControl::commandFailed(const link::Bytes& frame, const QString& what) {
    // Requests, presets, the radio and the schedule set no item of the model:
    // nothing was shown as done, and nothing is read again.
    const std::vector<AmpItem> items = itemsSetBy(frame);
    if (items.empty()) {
        qCWarning(lcModel).noquote() << link::commandName(frame) << what;
        return;
    }
    qCWarning(lcModel).noquote() << link::commandName(frame) << what << "- reading it back";
    std::vector<RequestBuilder> readBacks;
    for (const AmpItem& item : items) {
        model_.setUnconfirmed(item, true);
        const RequestBuilder build = requestReading(item.kind);
        if (std::find(readBacks.begin(), readBacks.end(), build) == readBacks.end())
            readBacks.push_back(build);
    }
    for (RequestBuilder build : readBacks)
        queue(build(link_.signature()));
}

} // namespace orfa::model
