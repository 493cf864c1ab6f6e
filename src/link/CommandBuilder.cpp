#include "link/CommandBuilder.h"

#include "link/Instructions.h"
#include "link/ValueCodec.h"
#include "spinel/Spinel.h"

#include <algorithm>

namespace orfa::link {

namespace {

std::uint8_t numberByte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

Command makeCommand(std::uint8_t signature, Instruction instruction, const Bytes& data,
                    bool replaceOlder = true, Bytes mergeKey = {}) {
    return {spinel::makeFrame('a', kAmplifierAddress, signature, instruction, data), instruction,
            replaceOlder, std::move(mergeKey)};
}

Command setting(SignatureCounter& signature, Instruction instruction, const Bytes& data,
                bool replaceOlder = true, Bytes mergeKey = {}) {
    return makeCommand(signature.next(), instruction, data, replaceOlder, std::move(mergeKey));
}

Command request(SignatureCounter& signature, Instruction instruction, const Bytes& data = {}) {
    return makeCommand(signature.forRequest(instruction), instruction, data);
}

// 1, 2, ..., count: the items a request asks for.
Bytes numberList(int count) {
    Bytes list;
    for (int i = 1; i <= count; ++i)
        list.push_back(static_cast<std::uint8_t>(i));
    return list;
}

} // namespace

Command buildSetMasterVolume(SignatureCounter& signature, int position) {
    return setting(signature, kSetMasterVolume, {masterVolumeByte(position)});
}

Command buildSetOutputLevels(SignatureCounter& signature, const std::vector<OutputValue>& levels) {
    Bytes data;
    Bytes outputs;
    for (const OutputValue& level : levels) {
        outputs.push_back(numberByte(level.output));
        data.push_back(outputs.back());
        data.push_back(static_cast<std::uint8_t>(std::clamp(level.value, 0, kOutputLevelMax)));
    }
    // The set of outputs, not their order: every run of a group's level change
    // (the moved output first, then the members) must replace the previous one.
    std::sort(outputs.begin(), outputs.end());
    outputs.erase(std::unique(outputs.begin(), outputs.end()), outputs.end());
    return setting(signature, kSetOutputLevels, data, true, std::move(outputs));
}

Command buildSetOutputSource(SignatureCounter& signature, int output, int source) {
    return setting(signature, kSetOutputSource, {numberByte(output), numberByte(source)}, false);
}

Command buildSetInputParameter(SignatureCounter& signature, int box, int parameter, int position) {
    const int clampedParameter = std::clamp(parameter, 1, kInputParameterCount);
    const std::uint8_t code =
        inputParameterCode(std::clamp(box, 1, kInputBoxCount), clampedParameter).value_or(0);
    return setting(signature, kSetInputParameter,
                   {code, inputParameterByte(clampedParameter, position)}, true, {code});
}

Command buildStorePreset(SignatureCounter& signature, int preset) {
    return setting(signature, kStorePreset, {numberByte(preset)});
}

Command buildActivatePreset(SignatureCounter& signature, int preset) {
    return setting(signature, kActivatePreset, {numberByte(preset)});
}

Command buildStoreSchedule(SignatureCounter& signature, const WeeklySchedule& schedule) {
    return setting(signature, kStoreSchedule, weeklySchedulePayload(schedule));
}

Command buildSetPower(SignatureCounter& signature, bool on) {
    return setting(signature, kSetPower, {on ? kPowerOn : kPowerOff});
}

Command buildTuneRadioMemory(SignatureCounter& signature, int memory) {
    return setting(signature, kTuneRadioMemory, {numberByte(memory)});
}

Command buildStoreRadioMemories(SignatureCounter& signature, const RadioMemories& memories) {
    return setting(signature, kStoreRadioMemories, radioMemoriesPayload(memories));
}

Command buildReadMasterVolume(SignatureCounter& signature) {
    return request(signature, kReadMasterVolume);
}

Command buildReadOutputLevels(SignatureCounter& signature) {
    return request(signature, kReadOutputLevels, numberList(kOutputCount));
}

Command buildReadOutputSources(SignatureCounter& signature) {
    return request(signature, kReadOutputSources, numberList(kOutputCount));
}

Command buildReadInputParameters(SignatureCounter& signature) {
    Bytes codes;
    for (int i = 0; i < kInputParameterCodeCount; ++i)
        codes.push_back(inputParameterCodeAt(i).value_or(0));
    return request(signature, kReadInputParameters, codes);
}

Command buildReadSchedule(SignatureCounter& signature) {
    return request(signature, kReadSchedule, numberList(kWeekdayCount));
}

Command buildReadPower(SignatureCounter& signature) {
    return request(signature, kReadPower);
}

Command buildReadRadioMemories(SignatureCounter& signature) {
    return request(signature, kReadRadioMemories, numberList(kRadioMemoryCount));
}

Command buildReadTunedFrequency(SignatureCounter& signature) {
    return request(signature, kReadTunedFrequency);
}

} // namespace orfa::link
