#include "sim/FrameDescriber.h"

#include "link/AnswerDecoder.h"
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/ValueCodec.h"
#include "link/WeeklySchedule.h"
#include "spinel/Spinel97.h"

#include <QStringList>

namespace orfa::sim {

using namespace orfa::link;
using spinel::Bytes;
using namespace Qt::StringLiterals;

namespace {

QString hex(std::uint8_t byte) {
    return u"0x"_s + QString::number(byte, 16).rightJustified(2, u'0').toUpper();
}

QString hexBytes(const Bytes& bytes) {
    QStringList parts;
    for (const std::uint8_t b : bytes)
        parts << QString::number(b, 16).rightJustified(2, u'0').toUpper();
    return parts.join(u' ');
}

QString instructionText(std::uint8_t instruction) {
    const std::string_view name = instructionName(instruction);
    QString text = QString::number(instruction) + u' ';
    return text + (name.empty()
                       ? u"unknown instruction"_s
                       : QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QString pairsText(const Bytes& data, bool parameterCodes) {
    QStringList parts;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        const QString key = parameterCodes ? hex(data[i]) : QString::number(data[i]);
        const int value = parameterCodes ? decodeSignMagnitude(data[i + 1]) : data[i + 1];
        parts << key + u'=' + QString::number(value);
    }
    if (data.size() % 2 != 0)
        parts << u"(odd byte "_s + hex(data.back()) + u')';
    return parts.join(u' ');
}

QString inputParameterText(const Bytes& data) {
    if (data.size() != 2)
        return hexBytes(data);
    const auto address = decodeInputParameterCode(data[0]);
    if (!address)
        return u"unknown code "_s + hex(data[0]);
    const QString name = address->parameter == kGainParameter
                             ? u"gain"_s
                             : u"band "_s + QString::number(address->parameter - 1);
    return u"box %1 %2 = %3"_s.arg(address->box).arg(name).arg(decodeSignMagnitude(data[1]));
}

QString powerText(const Bytes& data) {
    if (data.size() != 1)
        return hexBytes(data);
    if (data[0] == kPowerOn)
        return u"on"_s;
    if (data[0] == kPowerOff)
        return u"off"_s;
    return u"? "_s + hex(data[0]);
}

QString memoriesText(const Bytes& data) {
    const auto memories = radioMemoriesFromPayload(data);
    if (!memories)
        return hexBytes(data);
    QStringList parts;
    for (std::size_t k = 0; k < memories->size(); ++k) {
        const auto& memory = (*memories)[k];
        parts << u"%1=%2%3"_s.arg(k + 1).arg(frequencyText(memory.frequency),
                                             memory.stereo ? u" st"_s : QString());
    }
    return parts.join(u' ');
}

QString scheduleText(const Bytes& data) {
    const auto schedule = scheduleFromPayload(data);
    if (!schedule)
        return hexBytes(data);
    QStringList parts{schedule->inOperation ? u"in operation"_s : u"not in operation"_s};
    for (std::size_t d = 0; d < schedule->days.size(); ++d) {
        const auto& day = schedule->days[d];
        if (day)
            parts << u"%1 %2-%3"_s.arg(d + 1).arg(scheduleTimeText(day->on.hour, day->on.minute),
                                                  scheduleTimeText(day->off.hour, day->off.minute));
    }
    return parts.join(u' ');
}

// Data of a command or an answer, in the words of its instruction.
QString dataText(std::uint8_t instruction, const Bytes& data, bool answer) {
    if (data.empty())
        return {};
    switch (instruction) {
    case kSetMasterVolume:
    case kReadMasterVolume:
        return data.size() == 1 ? QString::number(decodeSignMagnitude(data[0])) + u" dB"_s
                                : hexBytes(data);
    case kSetOutputLevels:
        return pairsText(data, false);
    case kSetOutputSource:
        return data.size() == 2 ? u"output %1 <- source %2"_s.arg(data[0]).arg(data[1])
                                : hexBytes(data);
    case kSetInputParameter:
        return inputParameterText(data);
    case kReadOutputLevels:
    case kReadOutputSources:
        return answer ? pairsText(data, false) : hexBytes(data);
    case kReadInputParameters:
        return answer ? pairsText(data, true) : hexBytes(data);
    case kSetPower:
    case kReadPower:
        return powerText(data);
    case kReadTunedFrequency:
        return data.size() == 2 ? frequencyText({data[0], data[1]}) + u" MHz"_s : hexBytes(data);
    case kStoreRadioMemories:
    case kReadRadioMemories:
        return answer || instruction == kStoreRadioMemories ? memoriesText(data) : hexBytes(data);
    case kStoreSchedule:
    case kReadSchedule:
        return answer || instruction == kStoreSchedule ? scheduleText(data) : hexBytes(data);
    default:
        return hexBytes(data);
    }
}

QString withData(const QString& line, const QString& data) {
    return data.isEmpty() ? line : line + u": "_s + data;
}

} // namespace

QString describeCommand(const Bytes& frame) {
    if (frame.size() < spinel::kFrame97Overhead)
        return u"<- short frame "_s + hexBytes(frame);
    const std::uint8_t instruction = frame[spinel::kFrame97InstructionOffset];
    const QString line = u"<- sig %1 %2"_s.arg(hex(frame[spinel::kFrame97SignatureOffset]),
                                               instructionText(instruction));
    return withData(line, dataText(instruction, answerData(frame), false));
}

QString describeAnswer(const Bytes& frame, std::uint8_t instruction) {
    if (frame.size() < spinel::kFrame97Overhead)
        return u"-> short frame "_s + hexBytes(frame);
    const QString line =
        u"-> sig %1 ack %2 to %3"_s.arg(hex(frame[spinel::kFrame97SignatureOffset]))
            .arg(frame[spinel::kFrame97InstructionOffset])
            .arg(instructionText(instruction));
    return withData(line, dataText(instruction, answerData(frame), true));
}

} // namespace orfa::sim
