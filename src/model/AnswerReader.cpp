#include "model/AnswerReader.h"

#include "link/AmpLink.h"
#include "link/AnswerDecoder.h"
#include "link/Instructions.h"
#include "model/AmplifierModel.h"

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
    if (const auto position = link::decodeMasterVolume(frame)) {
        model_.setMasterVolume(*position);
        model_.setUnconfirmed(AmpItem::masterVolume(), false);
    }
}

void AnswerReader::readOutputLevels(const spinel::Bytes& frame) {
    for (const link::OutputValue& level : link::decodeOutputLevels(frame)) {
        model_.setOutputLevel(level.output, level.value);
        model_.setUnconfirmed(AmpItem::outputLevel(level.output), false);
    }
}

void AnswerReader::readOutputSources(const spinel::Bytes& frame) {
    for (const link::OutputValue& source : link::decodeOutputSources(frame)) {
        model_.setOutputSource(source.output, source.value);
        model_.setUnconfirmed(AmpItem::outputSource(source.output), false);
    }
}

void AnswerReader::readInputParameters(const spinel::Bytes& frame) {
    for (const link::InputParameterValue& p : link::decodeInputParameters(frame)) {
        model_.setInputParameter(p.address.box, p.address.parameter, p.position);
        model_.setUnconfirmed(AmpItem::inputParameter(p.address.box, p.address.parameter), false);
    }
}

void AnswerReader::readPower(const spinel::Bytes& frame) {
    const link::PowerState power = link::decodePowerState(frame);
    if (power == link::PowerState::Unknown)
        return;
    model_.setPower(power);
    model_.setUnconfirmed(AmpItem::power(), false);
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
