#include "sim/AmpCommandProcessor.h"

#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/ValueCodec.h"
#include "link/WeeklySchedule.h"

#include <optional>

namespace orfa::sim {

using namespace orfa::link;

namespace {

constexpr int kMaxMasterVolumeDb = 80;
constexpr int kMinMasterVolumeDb = -79;
constexpr int kMaxBandDb = 12;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;

const AmpAnswer kAccepted{};
const AmpAnswer kBadData{kAckBadData, {}};

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Index 0..29 of a parameter code as request 83 lists them; the amplifier
// knows only the codes it sends itself (high nibble 1, 3, 5, 7 or 9).
std::optional<std::size_t> parameterIndex(std::uint8_t code) {
    for (int i = 0; i < kInputParameterCodeCount; ++i) {
        if (inputParameterCodeAt(i) == code)
            return static_cast<std::size_t>(i);
    }
    return std::nullopt;
}

bool validParameterValue(std::size_t index, std::uint8_t value) {
    if (static_cast<int>(index) % kInputParameterCount + 1 == kGainParameter)
        return value <= kGainMaxPosition;
    return inRange(decodeSignMagnitude(value), -kMaxBandDb, kMaxBandDb);
}

bool validTime(const TimeOfDay& time) {
    return time.hour < kHoursPerDay && time.minute < kMinutesPerHour;
}

} // namespace

AmpCommandProcessor::AmpCommandProcessor(AmpState& state)
    : state_(state) {}

AmpAnswer AmpCommandProcessor::process(std::uint8_t instruction, const Bytes& data) {
    switch (instruction) {
    case kSetMasterVolume:
        return setMasterVolume(data);
    case kSetOutputLevels:
        return setOutputLevels(data);
    case kSetOutputSource:
        return setOutputSource(data);
    case kSetInputParameter:
        return setInputParameter(data);
    case kStorePreset:
        return storePreset(data);
    case kActivatePreset:
        return activatePreset(data);
    case kStoreSchedule:
        return storeSchedule(data);
    case kSetPower:
        return setPower(data);
    case kTuneRadioMemory:
        return tuneRadioMemory(data);
    case kStoreRadioMemories:
        return storeRadioMemories(data);
    case kReadMasterVolume:
        return {kAckAccepted, {encodeSignMagnitude(state_.mix.masterVolumeDb)}};
    case kReadOutputLevels:
        return readOutputs(data, true);
    case kReadOutputSources:
        return readOutputs(data, false);
    case kReadInputParameters:
        return readInputParameters(data);
    case kReadSchedule:
        return readSchedule();
    case kReadPower:
        return {kAckAccepted, {state_.power ? kPowerOn : kPowerOff}};
    case kReadRadioMemories:
        return readRadioMemories();
    case kReadTunedFrequency:
        return {kAckAccepted, {state_.tunedMhz, state_.tunedHundredths}};
    default:
        return {kAckUnknownInstruction, {}};
    }
}

AmpAnswer AmpCommandProcessor::setMasterVolume(const Bytes& data) {
    if (data.size() != 1)
        return kBadData;
    const int db = decodeSignMagnitude(data[0]);
    if (!inRange(db, kMinMasterVolumeDb, kMaxMasterVolumeDb))
        return kBadData;
    state_.mix.masterVolumeDb = db;
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::setOutputLevels(const Bytes& data) {
    if (data.empty() || data.size() % 2 != 0)
        return kBadData;
    for (std::size_t i = 0; i < data.size(); i += 2) {
        if (!inRange(data[i], 1, kOutputCount) || data[i + 1] > kOutputLevelMax)
            return kBadData;
    }
    for (std::size_t i = 0; i < data.size(); i += 2)
        state_.mix.levels[data[i] - 1u] = data[i + 1];
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::setOutputSource(const Bytes& data) {
    if (data.size() != 2 || !inRange(data[0], 1, kOutputCount) ||
        !inRange(data[1], 1, kSourceCount))
        return kBadData;
    state_.mix.sources[data[0] - 1u] = data[1];
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::setInputParameter(const Bytes& data) {
    if (data.size() != 2)
        return kBadData;
    const auto index = parameterIndex(data[0]);
    if (!index || !validParameterValue(*index, data[1]))
        return kBadData;
    state_.mix.inputParameters[*index] = data[1];
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::storePreset(const Bytes& data) {
    if (data.size() != 1 || !inRange(data[0], 1, kPresetCount))
        return kBadData;
    state_.presets[data[0] - 1u] = state_.mix;
    state_.presetStored[data[0] - 1u] = true;
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::activatePreset(const Bytes& data) {
    if (data.size() != 1 || !inRange(data[0], 1, kPresetCount))
        return kBadData;
    state_.mix = state_.presets[data[0] - 1u];
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::storeSchedule(const Bytes& data) {
    if (data.size() != kSchedulePayloadSize ||
        (data[0] != kScheduleInOperation && data[0] != kScheduleOutOfOperation))
        return kBadData;
    const auto received = scheduleFromPayload(data);
    if (!received)
        return kBadData;
    for (const auto& day : received->days) {
        if (!day || !validTime(day->on) || !validTime(day->off))
            return kBadData;
    }
    state_.scheduleOn = received->inOperation;
    for (std::size_t i = 0; i < state_.schedule.size(); ++i) {
        const auto& day = *received->days[i];
        state_.schedule[i] = {day.on.hour, day.on.minute, day.off.hour, day.off.minute};
    }
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::setPower(const Bytes& data) {
    if (data.size() != 1 || (data[0] != kPowerOn && data[0] != kPowerOff))
        return kBadData;
    state_.power = data[0] == kPowerOn;
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::tuneRadioMemory(const Bytes& data) {
    if (data.size() != 1 || !inRange(data[0], 1, kRadioMemoryCount))
        return kBadData;
    const auto& memory = state_.memories[data[0] - 1u];
    state_.tunedMhz = memory.mhz;
    state_.tunedHundredths = memory.hundredths;
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::storeRadioMemories(const Bytes& data) {
    if (data.size() != kRadioMemoriesPayloadSize)
        return kBadData;
    for (std::size_t k = 0; k < state_.memories.size(); ++k) {
        if (data[k * kRadioMemoryRecordSize] != k + 1)
            return kBadData;
    }
    const auto memories = radioMemoriesFromPayload(data);
    for (std::size_t k = 0; k < state_.memories.size(); ++k) {
        const auto& memory = (*memories)[k];
        state_.memories[k] = {memory.frequency.mhz, memory.frequency.hundredths, memory.stereo};
    }
    return kAccepted;
}

AmpAnswer AmpCommandProcessor::readOutputs(const Bytes& data, bool levels) const {
    Bytes outputs = data;
    if (outputs.empty()) {
        for (int n = 1; n <= kOutputCount; ++n)
            outputs.push_back(static_cast<std::uint8_t>(n));
    }
    AmpAnswer answer;
    for (const std::uint8_t n : outputs) {
        if (!inRange(n, 1, kOutputCount))
            return kBadData;
        const auto& values = levels ? state_.mix.levels : state_.mix.sources;
        answer.data.push_back(n);
        answer.data.push_back(values[n - 1u]);
    }
    return answer;
}

AmpAnswer AmpCommandProcessor::readInputParameters(const Bytes& data) const {
    Bytes codes = data;
    if (codes.empty()) {
        for (int i = 0; i < kInputParameterCodeCount; ++i)
            codes.push_back(inputParameterCodeAt(i).value_or(0));
    }
    AmpAnswer answer;
    for (const std::uint8_t code : codes) {
        const auto index = parameterIndex(code);
        if (!index)
            return kBadData;
        answer.data.push_back(code);
        answer.data.push_back(state_.mix.inputParameters[*index]);
    }
    return answer;
}

AmpAnswer AmpCommandProcessor::readSchedule() const {
    WeeklySchedule schedule;
    schedule.inOperation = state_.scheduleOn;
    for (std::size_t i = 0; i < schedule.days.size(); ++i) {
        const auto& day = state_.schedule[i];
        schedule.days[i] = {{day.onHour, day.onMinute}, {day.offHour, day.offMinute}};
    }
    return {kAckAccepted, weeklySchedulePayload(schedule)};
}

AmpAnswer AmpCommandProcessor::readRadioMemories() const {
    link::RadioMemories memories{};
    for (std::size_t k = 0; k < memories.size(); ++k) {
        const auto& memory = state_.memories[k];
        memories[k] = {{memory.mhz, memory.hundredths}, memory.stereo};
    }
    return {kAckAccepted, radioMemoriesPayload(memories)};
}

} // namespace orfa::sim
