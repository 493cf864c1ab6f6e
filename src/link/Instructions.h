#pragma once

#include <cstdint>
#include <string_view>

namespace orfa::link {

// Every frame of ours goes to the amplifier at this Spinel address.
inline constexpr std::uint8_t kAmplifierAddress = 1;

// Instruction codes of the amplifier. Settings change something, requests
// (the Read* codes) ask for values and are answered with data.
enum Instruction : std::uint8_t {
    kSetMasterVolume = 0x40,     // 64
    kSetOutputLevels = 0x41,     // 65
    kSetOutputSource = 0x42,     // 66
    kSetInputParameter = 0x43,   // 67
    kReadMasterVolume = 0x50,    // 80
    kReadOutputLevels = 0x51,    // 81
    kReadOutputSources = 0x52,   // 82
    kReadInputParameters = 0x53, // 83
    kStorePreset = 0xA0,         // 160
    kActivatePreset = 0xA1,      // 161
    kStoreSchedule = 0xA4,       // 164
    kSetPower = 0xA5,            // 165
    kTuneRadioMemory = 0xA6,     // 166
    kStoreRadioMemories = 0xA7,  // 167
    kReadSchedule = 0xAA,        // 170
    kReadPower = 0xAB,           // 171
    kReadRadioMemories = 0xAC,   // 172
    kReadTunedFrequency = 0xAD,  // 173
};

// Sizes of the amplifier.
inline constexpr int kOutputCount = 16;
inline constexpr int kSourceCount = 10;
inline constexpr int kInputBoxCount = 5;       // each box serves two sources
inline constexpr int kInputParameterCount = 6; // gain and five bands per box
inline constexpr int kInputParameterCodeCount = kInputBoxCount * kInputParameterCount;
inline constexpr int kPresetCount = 8;
inline constexpr int kRadioMemoryCount = 9;
inline constexpr int kWeekdayCount = 7;

// Power byte of command 165 and of the answer to request 171.
inline constexpr std::uint8_t kPowerOn = 0xFF;
inline constexpr std::uint8_t kPowerOff = 0x00;

// A short English name of an instruction for logs ("set output levels"), or
// an empty view for a code the amplifier does not know.
constexpr std::string_view instructionName(std::uint8_t instruction) {
    switch (instruction) {
    case kSetMasterVolume:
        return "set master volume";
    case kSetOutputLevels:
        return "set output levels";
    case kSetOutputSource:
        return "set output source";
    case kSetInputParameter:
        return "set input parameter";
    case kReadMasterVolume:
        return "read master volume";
    case kReadOutputLevels:
        return "read output levels";
    case kReadOutputSources:
        return "read output sources";
    case kReadInputParameters:
        return "read input parameters";
    case kStorePreset:
        return "store preset";
    case kActivatePreset:
        return "activate preset";
    case kStoreSchedule:
        return "store schedule";
    case kSetPower:
        return "set power";
    case kTuneRadioMemory:
        return "tune radio memory";
    case kStoreRadioMemories:
        return "store radio memories";
    case kReadSchedule:
        return "read schedule";
    case kReadPower:
        return "read power";
    case kReadRadioMemories:
        return "read radio memories";
    case kReadTunedFrequency:
        return "read tuned frequency";
    default:
        return {};
    }
}

// True for the codes that ask the amplifier for data.
constexpr bool isRequest(std::uint8_t instruction) {
    return (instruction >= kReadMasterVolume && instruction <= kReadInputParameters) ||
           (instruction >= kReadSchedule && instruction <= kReadTunedFrequency);
}

} // namespace orfa::link
