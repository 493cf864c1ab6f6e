#include "link/AnswerDecoder.h"

#include "link/Instructions.h"
#include "spinel/Spinel97.h"

namespace orfa::link {

namespace {

constexpr std::size_t kTrailerSize = 2; // checksum and CR

std::vector<OutputValue> outputPairs(const Bytes& frame) {
    std::vector<OutputValue> values;
    for (const BytePair& pair : answerPairs(frame)) {
        if (pair.first >= 1 && pair.first <= kOutputCount)
            values.push_back({pair.first, pair.second});
    }
    return values;
}

} // namespace

Bytes answerData(const Bytes& frame) {
    if (frame.size() < spinel::kFrame97Overhead)
        return {};
    const auto begin = frame.begin() + static_cast<std::ptrdiff_t>(spinel::kFrame97DataOffset);
    const auto end = frame.end() - static_cast<std::ptrdiff_t>(kTrailerSize);
    return Bytes(begin, end);
}

std::vector<BytePair> answerPairs(const Bytes& frame) {
    const Bytes data = answerData(frame);
    std::vector<BytePair> pairs;
    pairs.reserve(data.size() / 2);
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
        pairs.push_back({data[i], data[i + 1]});
    return pairs;
}

std::vector<OutputValue> decodeOutputLevels(const Bytes& frame) {
    return outputPairs(frame);
}

std::vector<OutputValue> decodeOutputSources(const Bytes& frame) {
    return outputPairs(frame);
}

std::vector<InputParameterValue> decodeInputParameters(const Bytes& frame) {
    std::vector<InputParameterValue> values;
    for (const BytePair& pair : answerPairs(frame)) {
        const auto address = decodeInputParameterCode(pair.first);
        if (address)
            values.push_back({*address, inputParameterPosition(address->parameter, pair.second)});
    }
    return values;
}

std::optional<int> decodeMasterVolume(const Bytes& frame) {
    const Bytes data = answerData(frame);
    if (data.empty())
        return std::nullopt;
    return masterVolumePosition(data[0]);
}

PowerState decodePowerState(const Bytes& frame) {
    const Bytes data = answerData(frame);
    if (data.empty())
        return PowerState::Unknown;
    switch (data[0]) {
    case kPowerOff:
        return PowerState::Off;
    case kPowerOn:
        return PowerState::On;
    default:
        return PowerState::Unknown;
    }
}

std::optional<RadioFrequency> decodeTunedFrequency(const Bytes& frame) {
    const Bytes data = answerData(frame);
    if (data.size() < 2)
        return std::nullopt;
    return RadioFrequency{data[0], data[1]};
}

} // namespace orfa::link
