#include "model/AnswerReader.h"

#include "link/AmpLink.h"
#include "link/AnswerDecoder.h"
#include "link/Instructions.h"
#include "model/AmplifierModel.h"
#include "model/Units.h"

namespace orfa::model {
namespace {

using Reader = void (AnswerReader::*)(const spinel::Bytes&);

struct Registration {
    std::uint8_t signature;
    Reader reader;
};

constexpr Registration kRegistrations[] = {
    {link::kReadMasterVolume, &AnswerReader::readMasterVolume},
    {link::kReadOutputLevels, &AnswerReader::readOutputLevels},
    {link::kReadOutputSources, &AnswerReader::readOutputSources},
    {link::kReadInputParameters, &AnswerReader::readInputParameters},
    {link::kReadPower, &AnswerReader::readPower},
    {link::kReadTunedFrequency, &AnswerReader::readTunedFrequency},
    {link::kReadRadioMemories, &AnswerReader::readRadioMemories},
    {link::kReadSchedule, &AnswerReader::readSchedule},
};

} // namespace

AnswerReader::AnswerReader(AmplifierModel& model, link::AmpLink& link)
    : model_(model)
    , link_(link) {
    for (const Registration& r : kRegistrations) {
        link_.setDisplayHandler(r.signature, [this, reader = r.reader](const spinel::Bytes& frame) {
            (this->*reader)(frame);
        });
    }
}

AnswerReader::~AnswerReader() {
    for (const Registration& r : kRegistrations)
        link_.clearDisplayHandler(r.signature);
}

void AnswerReader::readMasterVolume(const spinel::Bytes& frame) {
    const auto position = link::decodeMasterVolume(frame);
    if (position && !model_.isPending(AmpItem::masterVolume())) {
        model_.setMasterVolumeDb(masterDbAtSlider(*position));
        model_.confirm(AmpItem::masterVolume());
    }
}

void AnswerReader::readOutputLevels(const spinel::Bytes& frame) {
    for (const link::OutputValue& level : link::decodeOutputLevels(frame))
        readOutputLevel(level.output, level.value);
}

void AnswerReader::readOutputLevel(int output, int level) {
    const AmpItem item = AmpItem::outputLevel(output);
    // A setting still waiting in the queue is newer than what the amplifier
    // reports: its own answer confirms it.
    if (output < 1 || output > link::kOutputCount || model_.isPending(item))
        return;
    if (level != AmplifierModel::kMutedLevel) {
        // Set elsewhere: another panel, a preset, the amplifier itself.
        model_.setMuted(output, false);
    } else if (!model_.isMuted(output) &&
               (!model_.isKnown(item) || model_.outputLevel(output) != level)) {
        // Found at the muted level without having been muted here.
        model_.setMuted(output, true);
    }
    model_.setOutputLevel(output, level);
    model_.confirm(item);
}

void AnswerReader::readOutputSources(const spinel::Bytes& frame) {
    for (const link::OutputValue& source : link::decodeOutputSources(frame)) {
        const AmpItem item = AmpItem::outputSource(source.output);
        if (model_.isPending(item))
            continue;
        model_.setOutputSource(source.output, source.value);
        model_.confirm(item);
    }
}

void AnswerReader::readInputParameters(const spinel::Bytes& frame) {
    for (const link::InputParameterValue& p : link::decodeInputParameters(frame)) {
        const int box = p.address.box;
        const int parameter = p.address.parameter;
        const AmpItem item = AmpItem::inputParameter(box, parameter);
        if (model_.isPending(item))
            continue;
        model_.setInputParameter(box, parameter, parameterAtSlider(parameter, p.position));
        model_.confirm(item);
    }
}

void AnswerReader::readPower(const spinel::Bytes& frame) {
    const link::PowerState power = link::decodePowerState(frame);
    if (power == link::PowerState::Unknown || model_.isPending(AmpItem::power()))
        return;
    model_.setPower(power);
    model_.confirm(AmpItem::power());
}

void AnswerReader::readTunedFrequency(const spinel::Bytes& frame) {
    if (const auto frequency = link::decodeTunedFrequency(frame))
        model_.setTunedFrequency(*frequency);
}

void AnswerReader::readRadioMemories(const spinel::Bytes& frame) {
    const auto memories = link::decodeRadioMemoriesAnswer(frame);
    if (!memories)
        return;
    for (int m = 1; m <= link::kRadioMemoryCount; ++m)
        model_.setRadioMemory(m, (*memories)[static_cast<std::size_t>(m - 1)]);
    Q_EMIT model_.radioMemoriesRead();
}

void AnswerReader::readSchedule(const spinel::Bytes& frame) {
    const auto schedule = link::decodeScheduleAnswer(frame);
    if (!schedule)
        return;
    model_.setScheduleInOperation(schedule->inOperation);
    // Weekdays the answer does not name keep what they had.
    QList<int> days;
    for (int day = 1; day <= link::kWeekdayCount; ++day) {
        if (const auto& times = schedule->days[static_cast<std::size_t>(day - 1)]) {
            model_.setScheduleDay(day, *times);
            days.append(day);
        }
    }
    Q_EMIT model_.scheduleRead(days);
}

} // namespace orfa::model
