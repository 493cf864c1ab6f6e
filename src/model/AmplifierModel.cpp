#include "model/AmplifierModel.h"

#include <algorithm>

namespace orfa::model {
namespace {

// Index 0.. of a number 1..count, or nothing.
std::optional<std::size_t> indexOf(int number, int count) {
    if (number < 1 || number > count)
        return std::nullopt;
    return static_cast<std::size_t>(number - 1);
}

// Stores the value; true when it differs from the one before.
template <typename T> bool assign(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

int clampedParameter(int parameter, int value) {
    return std::clamp(value, parameterLowest(parameter), parameterHighest(parameter));
}

} // namespace

AmplifierModel::AmplifierModel(QObject* parent)
    : QObject(parent) {}

AmplifierModel::Output* AmplifierModel::output(int number) {
    const auto index = indexOf(number, link::kOutputCount);
    return index ? &outputs_[*index] : nullptr;
}

const AmplifierModel::Output* AmplifierModel::output(int number) const {
    const auto index = indexOf(number, link::kOutputCount);
    return index ? &outputs_[*index] : nullptr;
}

int AmplifierModel::outputLevel(int number) const {
    const Output* out = output(number);
    return out ? out->level : 0;
}

int AmplifierModel::outputSource(int number) const {
    const Output* out = output(number);
    return out ? out->source : 0;
}

bool AmplifierModel::isMuted(int number) const {
    const Output* out = output(number);
    return out && out->muted;
}

int AmplifierModel::levelToRestore(int number) const {
    const Output* out = output(number);
    return out ? out->levelToRestore : 0;
}

int AmplifierModel::outputGroup(int number) const {
    const Output* out = output(number);
    return out ? out->group : 0;
}

int AmplifierModel::inputParameter(int box, int parameter) const {
    const auto k = indexOf(box, link::kInputBoxCount);
    const auto j = indexOf(parameter, link::kInputParameterCount);
    return k && j ? inputs_[*k][*j] : 0;
}

std::optional<double> AmplifierModel::tunedFrequencyMhz() const {
    if (!tunedFrequency_)
        return std::nullopt;
    return tunedFrequency_->mhz + tunedFrequency_->hundredths / 100.0;
}

link::RadioMemory AmplifierModel::radioMemory(int memory) const {
    const auto index = indexOf(memory, link::kRadioMemoryCount);
    return index ? memories_[*index] : link::RadioMemory{};
}

void AmplifierModel::setOutputGroup(int number, int group) {
    if (Output* out = output(number))
        out->group = group;
}

ItemState AmplifierModel::itemState(const AmpItem& item) const {
    if (pending_.contains(item))
        return ItemState::Pending;
    return known_.contains(item) ? ItemState::Confirmed : ItemState::Unknown;
}

void AmplifierModel::emitStateIfChanged(const AmpItem& item, ItemState before) {
    if (const ItemState now = itemState(item); now != before)
        Q_EMIT itemStateChanged(item, now);
}

void AmplifierModel::addPending(const AmpItem& item) {
    const ItemState before = itemState(item);
    ++pending_[item];
    emitStateIfChanged(item, before);
}

void AmplifierModel::removePending(const AmpItem& item, bool confirmed) {
    const auto found = pending_.find(item);
    if (found == pending_.end())
        return;
    const ItemState before = itemState(item);
    if (confirmed)
        known_.insert(item);
    if (--found->second == 0)
        pending_.erase(found);
    emitStateIfChanged(item, before);
}

void AmplifierModel::confirm(const AmpItem& item) {
    const ItemState before = itemState(item);
    known_.insert(item);
    setUnconfirmed(item, false);
    emitStateIfChanged(item, before);
}

void AmplifierModel::noteAnswer(const QDateTime& at) {
    lastAnswerAt_ = at;
    setAnswering(true);
}

void AmplifierModel::setAnswering(bool answering) {
    if (assign(answering_, answering))
        Q_EMIT answeringChanged(answering);
}

void AmplifierModel::setUnconfirmed(const AmpItem& item, bool unconfirmed) {
    const bool changed =
        unconfirmed ? unconfirmed_.insert(item).second : unconfirmed_.erase(item) > 0;
    if (changed)
        Q_EMIT unconfirmedChanged(item, unconfirmed);
}

void AmplifierModel::setPower(link::PowerState power) {
    if (assign(power_, power))
        Q_EMIT powerChanged(power);
}

void AmplifierModel::setMasterVolumeDb(int db) {
    if (assign(masterDb_, std::clamp(db, kMasterDbLowest, kMasterDbHighest)))
        Q_EMIT masterVolumeChanged(masterDb_);
}

void AmplifierModel::setOutputLevel(int number, int level) {
    Output* out = output(number);
    if (out && assign(out->level, std::clamp(level, 0, link::kOutputLevelMax)))
        Q_EMIT outputLevelChanged(number, out->level);
}

void AmplifierModel::setOutputSource(int number, int source) {
    Output* out = output(number);
    if (out && assign(out->source, source >= 1 && source <= link::kSourceCount ? source : 0))
        Q_EMIT outputSourceChanged(number, out->source);
}

void AmplifierModel::setMuted(int number, bool muted, int levelToRestore) {
    Output* out = output(number);
    if (!out)
        return;
    if (muted)
        out->levelToRestore = std::clamp(levelToRestore, 0, link::kOutputLevelMax);
    if (assign(out->muted, muted))
        Q_EMIT muteChanged(number, muted);
}

void AmplifierModel::setInputParameter(int box, int parameter, int value) {
    const auto k = indexOf(box, link::kInputBoxCount);
    const auto j = indexOf(parameter, link::kInputParameterCount);
    if (k && j && assign(inputs_[*k][*j], clampedParameter(parameter, value)))
        Q_EMIT inputParameterChanged(box, parameter, inputs_[*k][*j]);
}

void AmplifierModel::setTunedFrequency(link::RadioFrequency frequency) {
    if (assign(tunedFrequency_, std::optional{frequency}))
        Q_EMIT tunedFrequencyChanged(frequency);
}

void AmplifierModel::setRadioMemory(int memory, const link::RadioMemory& value) {
    const auto index = indexOf(memory, link::kRadioMemoryCount);
    if (index && assign(memories_[*index], value))
        Q_EMIT radioMemoryChanged(memory, value);
}

void AmplifierModel::setScheduleInOperation(bool inOperation) {
    if (assign(schedule_.inOperation, inOperation))
        Q_EMIT scheduleInOperationChanged(inOperation);
}

void AmplifierModel::setScheduleDay(int day, const link::ScheduleDay& times) {
    const auto index = indexOf(day, link::kWeekdayCount);
    if (index && assign(schedule_.days[*index], times))
        Q_EMIT scheduleDayChanged(day, times);
}

} // namespace orfa::model
