// Every decoder of the amplifier's answers on arbitrary frames (the input as
// it is, and its bytes framed as a well-formed answer), and the typed
// frequency and schedule-time parsers on arbitrary text. Each decoder is held
// to the ranges and the data bytes its contract promises.
#include "FuzzCheck.h"
#include "link/AnswerDecoder.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "spinel/Spinel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace orfa::link;
using orfa::fuzz::require;

namespace {

void checkData(const Bytes& frame, const Bytes& data) {
    if (frame.size() < orfa::spinel::kFrame97Overhead) {
        require(data.empty(), "a frame too short for data has none");
        return;
    }
    require(
        data.size() == frame.size() - orfa::spinel::kFrame97Overhead &&
            std::equal(data.begin(), data.end(), frame.begin() + orfa::spinel::kFrame97DataOffset),
        "the data lie between header and checksum");
    const std::vector<BytePair> pairs = answerPairs(frame);
    require(pairs.size() == data.size() / 2, "one pair per two data bytes");
    for (std::size_t i = 0; i < pairs.size(); ++i)
        require(pairs[i] == BytePair{data[2 * i], data[2 * i + 1]}, "pairs in data order");
}

// Levels and sources: exactly the pairs naming outputs 1..16, in frame order.
void checkOutputValues(const std::vector<OutputValue>& values, const Bytes& frame) {
    std::vector<OutputValue> expected;
    for (const BytePair& pair : answerPairs(frame)) {
        if (pair.first >= 1 && pair.first <= kOutputCount)
            expected.push_back({pair.first, pair.second});
    }
    require(values == expected, "output values are the pairs of outputs 1..16");
}

void checkInputParameters(const Bytes& frame) {
    const std::vector<InputParameterValue> values = decodeInputParameters(frame);
    require(values.size() <= answerPairs(frame).size(), "at most one value per pair");
    for (const InputParameterValue& value : values) {
        const InputParameterAddress& address = value.address;
        require(address.box >= 1 && address.box <= kInputBoxCount && address.parameter >= 1 &&
                    address.parameter <= kInputParameterCount,
                "input parameters address box 1..5, parameter 1..6");
        const auto code = inputParameterCode(address.box, address.parameter);
        require(code && decodeInputParameterCode(*code) == address,
                "the code of a decoded address decodes back to it");
        const bool gain = address.parameter == kGainParameter;
        require(gain ? (value.position >= -127 && value.position <= 127)
                     : (value.position >= 12 - 127 && value.position <= 12 + 127),
                "an input parameter position comes from a sign-magnitude byte");
    }
}

void checkSingleValues(const Bytes& frame, const Bytes& data) {
    const std::optional<int> master = decodeMasterVolume(frame);
    require(master.has_value() == !data.empty(), "a master volume needs a data byte");
    require(!master || (*master >= 80 - 127 && *master <= 80 + 127),
            "a master volume position comes from a sign-magnitude byte");

    const PowerState power = decodePowerState(frame);
    const PowerState expectedPower = data.empty()           ? PowerState::Unknown
                                     : data[0] == kPowerOn  ? PowerState::On
                                     : data[0] == kPowerOff ? PowerState::Off
                                                            : PowerState::Unknown;
    require(power == expectedPower, "power is on for 0xFF, off for 0x00, else unknown");

    const std::optional<RadioFrequency> tuned = decodeTunedFrequency(frame);
    require(tuned.has_value() == (data.size() >= 2), "a tuned frequency needs two data bytes");
    require(!tuned || (*tuned == RadioFrequency{data[0], data[1]}),
            "a tuned frequency is data bytes 0 and 1");
}

void checkRadioMemories(const Bytes& frame, const Bytes& data) {
    const std::optional<RadioMemories> memories = decodeRadioMemoriesAnswer(frame);
    require(memories.has_value() == (data.size() >= kRadioMemoriesPayloadSize && data[0] == 1),
            "radio memories need 36 data bytes starting with memory 1");
    if (!memories)
        return;
    for (std::size_t i = 0; i < memories->size(); ++i) {
        const std::size_t at = i * kRadioMemoryRecordSize;
        require((*memories)[i].frequency == RadioFrequency{data[at + 1], data[at + 2]} &&
                    (*memories)[i].stereo == ((data[at + 3] & 1) != 0),
                "each memory is read from its own record");
    }
    const Bytes payload = radioMemoriesPayload(*memories);
    require(payload.size() == kRadioMemoriesPayloadSize &&
                radioMemoriesFromPayload(payload) == memories,
            "radio memories survive their payload");
}

void checkSchedule(const Bytes& frame, const Bytes& data) {
    const std::optional<ReceivedSchedule> schedule = decodeScheduleAnswer(frame);
    require(schedule.has_value() == !data.empty(), "a schedule needs the flag byte");
    if (!schedule)
        return;
    require(schedule->inOperation == (data[0] == kScheduleInOperation),
            "in operation exactly for 0xFF");
    WeeklySchedule whole{schedule->inOperation, {}};
    for (std::size_t day = 0; day < schedule->days.size(); ++day) {
        bool named = false;
        bool matches = false;
        for (std::size_t at = 1; at + kScheduleRecordSize <= data.size();
             at += kScheduleRecordSize) {
            if (data[at] != day + 1)
                continue;
            named = true;
            const ScheduleDay record{{data[at + 1], data[at + 2]}, {data[at + 3], data[at + 4]}};
            matches = matches || schedule->days[day] == record;
        }
        require(schedule->days[day].has_value() == named,
                "a weekday is filled exactly when a whole record names it");
        require(!named || matches, "a filled weekday holds a record naming it");
        whole.days[day] = schedule->days[day].value_or(ScheduleDay{});
    }
    const Bytes payload = weeklySchedulePayload(whole);
    const std::optional<ReceivedSchedule> back = scheduleFromPayload(payload);
    require(payload.size() == kSchedulePayloadSize && back &&
                back->inOperation == whole.inOperation,
            "a schedule survives its payload");
    for (std::size_t day = 0; day < whole.days.size(); ++day)
        require(back->days[day] == whole.days[day], "every weekday survives the payload");
}

void checkAnswer(const Bytes& frame) {
    const Bytes data = answerData(frame);
    checkData(frame, data);
    checkOutputValues(decodeOutputLevels(frame), frame);
    checkOutputValues(decodeOutputSources(frame), frame);
    checkInputParameters(frame);
    checkSingleValues(frame, data);
    checkRadioMemories(frame, data);
    checkSchedule(frame, data);
}

void checkFrequencyText(const QString& text) {
    const ParsedFrequency parsed = parseFrequency(text);
    if (!parsed.ok()) {
        require(parsed.frequency == RadioFrequency{}, "a refused frequency carries no value");
        return;
    }
    require(parsed.frequency.mhz < kFrequencyMhzLimit && parsed.frequency.hundredths <= 100,
            "a typed frequency is below 128 MHz with at most 100 hundredths");
    if (parsed.frequency.hundredths < 100) {
        const ParsedFrequency again = parseFrequency(frequencyText(parsed.frequency));
        require(again.ok() && again.frequency == parsed.frequency,
                "a typed frequency survives its text");
    }
}

// The text of any frequency the amplifier may send reads back as the same
// amount (hundredths beyond 99 carry into the megahertz).
void checkFrequencyOfBytes(RadioFrequency frequency) {
    const int total = frequency.mhz * 100 + frequency.hundredths;
    const ParsedFrequency parsed = parseFrequency(frequencyText(frequency));
    if (total >= kFrequencyMhzLimit * 100) {
        require(parsed.error == FrequencyError::OutOfRange, "128 MHz and more are refused");
        return;
    }
    require(parsed.ok() && parsed.frequency.mhz * 100 + parsed.frequency.hundredths == total,
            "a frequency text reads back as the same amount");
}

void checkScheduleTime(const QString& text) {
    const std::optional<TimeOfDay> time = parseScheduleTime(text);
    if (!time)
        return;
    require(time->hour < 24 && time->minute < 60 && time->minute % 10 == 0,
            "a schedule time is 0..23 hours and whole tens of minutes");
    require(parseScheduleTime(scheduleTimeText(time->hour, time->minute)) == time,
            "a schedule time survives its text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkAnswer(Bytes(data, data + size));

    FuzzedDataProvider input(data, size);
    const auto signature = input.ConsumeIntegral<std::uint8_t>();
    const auto status = input.ConsumeIntegral<std::uint8_t>();
    const Bytes payload = input.ConsumeRemainingBytes<std::uint8_t>();
    checkAnswer(orfa::spinel::makeFrame('a', 1, signature, status, payload));

    const char* chars = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    for (const QString& text :
         {QString::fromUtf8(chars, length), QString::fromLatin1(chars, length)}) {
        checkFrequencyText(text);
        checkScheduleTime(text);
    }
    if (size >= 2)
        checkFrequencyOfBytes(RadioFrequency{data[0], data[1]});
    return 0;
}
