#include "link/RadioMemories.h"

#include "link/AnswerDecoder.h"

namespace orfa::link {

namespace {

constexpr std::uint8_t kStereoFlag = 0x01;

} // namespace

Bytes radioMemoriesPayload(const RadioMemories& memories) {
    Bytes data;
    data.reserve(kRadioMemoriesPayloadSize);
    for (std::size_t i = 0; i < memories.size(); ++i) {
        const RadioMemory& memory = memories[i];
        data.push_back(static_cast<std::uint8_t>(i + 1));
        data.push_back(memory.frequency.mhz);
        data.push_back(memory.frequency.hundredths);
        data.push_back(memory.stereo ? kStereoFlag : std::uint8_t{0});
    }
    return data;
}

std::optional<RadioMemories> radioMemoriesFromPayload(const Bytes& data) {
    if (data.size() < kRadioMemoriesPayloadSize)
        return std::nullopt;
    RadioMemories memories{};
    for (std::size_t i = 0; i < memories.size(); ++i) {
        const std::size_t at = i * kRadioMemoryRecordSize;
        memories[i].frequency = {data[at + 1], data[at + 2]};
        memories[i].stereo = (data[at + 3] & kStereoFlag) != 0;
    }
    return memories;
}

std::optional<RadioMemories> decodeRadioMemoriesAnswer(const Bytes& frame) {
    const Bytes data = answerData(frame);
    if (data.empty() || data[0] != 1)
        return std::nullopt;
    return radioMemoriesFromPayload(data);
}

} // namespace orfa::link
