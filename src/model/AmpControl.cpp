#include "model/AmpControl.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "link/CommandName.h"
#include "link/Instructions.h"
#include "model/AmplifierModel.h"
#include "model/ModelLog.h"
#include "model/Units.h"
#include "users/OperatorAccess.h"

#include <QDateTime>

#include <algorithm>

namespace orfa::model {
namespace {

// How long queued frames may wait for any answer, beyond the send delay,
// before the amplifier counts as not answering.
constexpr int kAnswerMarginMs = 2000;

bool inRange(int number, int count) {
    return number >= 1 && number <= count;
}

QString outputText(int output) {
    return QStringLiteral("output %1").arg(output);
}

link::Command buildReading(Reading reading, link::SignatureCounter& signature) {
    switch (reading) {
    case Reading::OutputSources:
        return link::buildReadOutputSources(signature);
    case Reading::OutputLevels:
        return link::buildReadOutputLevels(signature);
    case Reading::MasterVolume:
        return link::buildReadMasterVolume(signature);
    case Reading::InputParameters:
        return link::buildReadInputParameters(signature);
    case Reading::Power:
        break;
    case Reading::TunedFrequency:
        return link::buildReadTunedFrequency(signature);
    case Reading::RadioMemories:
        return link::buildReadRadioMemories(signature);
    case Reading::Schedule:
        return link::buildReadSchedule(signature);
    }
    return link::buildReadPower(signature);
}

Reading readingOf(AmpItem::Kind kind) {
    switch (kind) {
    case AmpItem::Kind::OutputLevel:
        return Reading::OutputLevels;
    case AmpItem::Kind::OutputSource:
        return Reading::OutputSources;
    case AmpItem::Kind::MasterVolume:
        return Reading::MasterVolume;
    case AmpItem::Kind::InputParameter:
        return Reading::InputParameters;
    case AmpItem::Kind::Power:
        break;
    }
    return Reading::Power;
}

bool sameKind(const link::Command& a, const link::Command& b) {
    return a.instruction == b.instruction && a.mergeKey == b.mergeKey;
}

} // namespace

AmpControl::AmpControl(AmplifierModel& model, link::AmpLink& link, QObject* parent)
    : QObject(parent)
    , model_(model)
    , link_(link)
    , answers_(model, link) {
    using link::AmpLink;
    connect(&link, &AmpLink::frameReceived, this, [this] {
        model_.noteAnswer(QDateTime::currentDateTimeUtc());
        answerDeadline_.stop();
        watchAnswers();
    });
    connect(&link, &AmpLink::commandAnswered, this,
            [this](const link::Command& command) { commandFinished(command, true, {}); });
    connect(&link, &AmpLink::commandRefused, this, [this](const link::Command& command, int ack) {
        commandFinished(command, false, QStringLiteral("refused with code %1").arg(ack));
    });
    connect(&link, &AmpLink::commandDropped, this, [this](const link::Command& command) {
        model_.setAnswering(false);
        commandFinished(command, false, QStringLiteral("not answered"));
    });
    answerDeadline_.setSingleShot(true);
    connect(&answerDeadline_, &QTimer::timeout, this, [this] {
        if (!link_.isIdle())
            model_.setAnswering(false);
    });
}

IntentResult AmpControl::setOutputLevel(const Access& access, int output, int level,
                                        Spread spread) {
    if (!inRange(output, link::kOutputCount))
        return IntentResult::invalid(outputText(output));
    if (!access.mayChangeLevel(output))
        return IntentResult::notAllowed(QStringLiteral("the level of %1").arg(outputText(output)));
    level = std::clamp(level, kLevelLoudest, kLevelMuted);
    std::vector<link::OutputValue> levels{{output, level}};
    if (const int group = model_.outputGroup(output); group != 0 && spread == Spread::Group) {
        for (int s = 1; s <= link::kOutputCount; ++s) {
            if (model_.outputGroup(s) == group && access.mayChangeLevel(s))
                levels.push_back({s, level});
        }
    }
    return queueLevels(levels);
}

IntentResult AmpControl::setOutputVolume(const Access& access, int output, int volume,
                                         Spread spread) {
    return setOutputLevel(access, output, levelOfVolume(volume), spread);
}

IntentResult AmpControl::setOutputLevels(const Access& access,
                                         const std::vector<link::OutputValue>& levels) {
    std::vector<link::OutputValue> pairs;
    for (const link::OutputValue& pair : levels) {
        if (!inRange(pair.output, link::kOutputCount))
            continue;
        if (!access.mayChangeLevel(pair.output))
            return IntentResult::notAllowed(
                QStringLiteral("the level of %1").arg(outputText(pair.output)));
        pairs.push_back({pair.output, std::clamp(pair.value, kLevelLoudest, kLevelMuted)});
    }
    return pairs.empty() ? IntentResult::unchanged() : queueLevels(pairs);
}

IntentResult AmpControl::queueLevels(const std::vector<link::OutputValue>& levels) {
    std::vector<AmpItem> items;
    for (const link::OutputValue& pair : levels) {
        if (pair.value != kLevelMuted)
            model_.setMuted(pair.output, false);
        model_.setOutputLevel(pair.output, pair.value);
        const AmpItem item = AmpItem::outputLevel(pair.output);
        if (std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    }
    return queue(link::buildSetOutputLevels(link_.signature(), levels), std::move(items));
}

IntentResult AmpControl::setMuted(const Access& access, int output, bool muted, Spread spread) {
    if (!inRange(output, link::kOutputCount))
        return IntentResult::invalid(outputText(output));
    if (!access.mayChangeLevel(output))
        return IntentResult::notAllowed(QStringLiteral("the mute of %1").arg(outputText(output)));
    if (model_.isMuted(output) == muted)
        return IntentResult::unchanged();
    const int level = model_.outputLevel(output);
    if (!muted) {
        const int restore = model_.levelToRestore(output);
        model_.setMuted(output, false);
        return level == restore ? IntentResult::unchanged()
                                : setOutputLevel(access, output, restore, spread);
    }
    // An output whose level was never read has none of its own to restore.
    const bool levelKnown = model_.isKnown(AmpItem::outputLevel(output));
    model_.setMuted(output, true, levelKnown ? level : AmplifierModel::kUnmuteLevelWhenUnknown);
    return levelKnown && level == kLevelMuted ? IntentResult::unchanged()
                                              : setOutputLevel(access, output, kLevelMuted, spread);
}

IntentResult AmpControl::setOutputSource(const Access& access, int output, int source) {
    if (!inRange(output, link::kOutputCount))
        return IntentResult::invalid(outputText(output));
    if (!inRange(source, link::kSourceCount))
        return IntentResult::invalid(QStringLiteral("source %1").arg(source));
    if (!access.mayChooseSource(output, source))
        return IntentResult::notAllowed(
            QStringLiteral("source %1 on %2").arg(source).arg(outputText(output)));
    model_.setOutputSource(output, source);
    return queue(link::buildSetOutputSource(link_.signature(), output, source),
                 {AmpItem::outputSource(output)});
}

IntentResult AmpControl::setMasterVolumeDb(const Access& access, int db) {
    if (!access.mayChangeMasterVolume())
        return IntentResult::notAllowed(QStringLiteral("the master volume"));
    model_.setMasterVolumeDb(db);
    return queue(link::buildSetMasterVolume(link_.signature(),
                                            masterSliderPosition(model_.masterVolumeDb())),
                 {AmpItem::masterVolume()});
}

IntentResult AmpControl::setInputParameter(const Access& access, int box, int parameter,
                                           int value) {
    if (!inRange(box, link::kInputBoxCount) || !inRange(parameter, link::kInputParameterCount))
        return IntentResult::invalid(
            QStringLiteral("parameter %1 of input %2").arg(parameter).arg(box));
    if (!access.mayConfigureInput(box))
        return IntentResult::notAllowed(QStringLiteral("input %1").arg(box));
    model_.setInputParameter(box, parameter, value);
    const int position = parameterSliderPosition(parameter, model_.inputParameter(box, parameter));
    return queue(link::buildSetInputParameter(link_.signature(), box, parameter, position),
                 {AmpItem::inputParameter(box, parameter)});
}

IntentResult AmpControl::recallPreset(const Access& access, int preset) {
    if (!inRange(preset, link::kPresetCount))
        return IntentResult::invalid(QStringLiteral("preset %1").arg(preset));
    if (!access.mayRecallPresets())
        return IntentResult::notAllowed(QStringLiteral("to recall presets"));
    // What the preset changed is read once the amplifier has answered it.
    return queue(link::buildActivatePreset(link_.signature(), preset), {});
}

IntentResult AmpControl::storePreset(const Access& access, int preset) {
    if (!inRange(preset, link::kPresetCount))
        return IntentResult::invalid(QStringLiteral("preset %1").arg(preset));
    if (!access.mayStorePresets())
        return IntentResult::notAllowed(QStringLiteral("to store presets"));
    return queue(link::buildStorePreset(link_.signature(), preset), {});
}

IntentResult AmpControl::recallRadioMemory(const Access& access, int memory) {
    if (!inRange(memory, link::kRadioMemoryCount))
        return IntentResult::invalid(QStringLiteral("radio memory %1").arg(memory));
    if (!access.mayUseRadio())
        return IntentResult::notAllowed(QStringLiteral("the radio"));
    IntentResult result = queue(link::buildTuneRadioMemory(link_.signature(), memory), {});
    // The frequency shows the memory's frequency once this is answered.
    read({Reading::TunedFrequency});
    return result;
}

IntentResult AmpControl::setPower(bool on) {
    model_.setPower(on ? link::PowerState::On : link::PowerState::Off);
    return queue(link::buildSetPower(link_.signature(), on), {AmpItem::power()});
}

IntentResult AmpControl::togglePower() {
    return setPower(model_.power() != link::PowerState::On);
}

IntentResult AmpControl::storeRadioMemories(const link::RadioMemories& memories) {
    for (int m = 1; m <= link::kRadioMemoryCount; ++m)
        model_.setRadioMemory(m, memories[static_cast<std::size_t>(m - 1)]);
    return queue(link::buildStoreRadioMemories(link_.signature(), memories), {});
}

IntentResult AmpControl::storeSchedule(const link::WeeklySchedule& schedule) {
    model_.setScheduleInOperation(schedule.inOperation);
    for (int day = 1; day <= link::kWeekdayCount; ++day)
        model_.setScheduleDay(day, schedule.days[static_cast<std::size_t>(day - 1)]);
    return queue(link::buildStoreSchedule(link_.signature(), schedule), {});
}

void AmpControl::read(std::initializer_list<Reading> readings) {
    for (const Reading reading : readings) {
        link::Command request = buildReading(reading, link_.signature());
        if (!link_.hasQueued(request.instruction))
            queue(request, {});
    }
}

void AmpControl::readWholeState() {
    read({Reading::OutputSources, Reading::OutputLevels, Reading::MasterVolume,
          Reading::InputParameters, Reading::Power, Reading::TunedFrequency});
}

bool AmpControl::hasRoom() const {
    return link_.hasRoom();
}

bool AmpControl::isIdle() const {
    return link_.isIdle();
}

IntentResult AmpControl::queue(const link::Command& command, std::vector<AmpItem> items) {
    const link::SendResult result = link_.send(command);
    if (result == link::SendResult::Refused) {
        reportFailure(command, QStringLiteral("not queued"), items);
        return IntentResult::notQueued(link::commandName(command.frame));
    }
    // The new command is pending before the ones it replaced stop being so,
    // so that its items never look settled in between.
    for (const AmpItem& item : items)
        model_.addPending(item);
    const auto replaced = [&](const Outstanding& entry) {
        return command.replaceOlder && sameKind(entry.command, command);
    };
    if (result == link::SendResult::Replaced) {
        for (auto it = outstanding_.begin(); it != outstanding_.end();) {
            if (!replaced(*it)) {
                ++it;
                continue;
            }
            for (const AmpItem& item : it->items)
                model_.removePending(item, false);
            it = outstanding_.erase(it);
        }
    }
    if (!items.empty())
        outstanding_.push_back({command, std::move(items)});
    watchAnswers();
    return IntentResult::queued();
}

void AmpControl::commandFinished(const link::Command& command, bool taken, const QString& failure) {
    const auto found =
        std::find_if(outstanding_.begin(), outstanding_.end(),
                     [&](const Outstanding& e) { return e.command.frame == command.frame; });
    std::vector<AmpItem> items;
    if (found != outstanding_.end()) {
        items = std::move(found->items);
        outstanding_.erase(found);
    }
    for (const AmpItem& item : items)
        model_.removePending(item, taken);
    if (taken && command.instruction == link::kActivatePreset)
        read({Reading::OutputSources, Reading::OutputLevels, Reading::MasterVolume,
              Reading::InputParameters});
    if (!taken)
        reportFailure(command, failure, items);
    Q_EMIT commandLeftQueue();
}

void AmpControl::reportFailure(const link::Command& command, const QString& failure,
                               const std::vector<AmpItem>& items) {
    // Requests, presets, the radio and the schedule set no item of the model:
    // nothing was shown as done, and nothing is read again.
    if (items.empty()) {
        qCWarning(lcModel).noquote() << link::commandName(command.frame) << failure;
        return;
    }
    qCWarning(lcModel).noquote() << link::commandName(command.frame) << failure
                                 << "- reading it back";
    for (const AmpItem& item : items)
        model_.setUnconfirmed(item, true);
    readBack(items);
}

void AmpControl::readBack(const std::vector<AmpItem>& items) {
    std::vector<Reading> readings;
    for (const AmpItem& item : items) {
        const Reading reading = readingOf(item.kind);
        if (std::find(readings.begin(), readings.end(), reading) == readings.end())
            readings.push_back(reading);
    }
    for (const Reading reading : readings)
        queue(buildReading(reading, link_.signature()), {});
}

void AmpControl::watchAnswers() {
    if (link_.isIdle())
        answerDeadline_.stop();
    else if (!answerDeadline_.isActive())
        answerDeadline_.start(link_.sendDelay() + kAnswerMarginMs);
}

} // namespace orfa::model
