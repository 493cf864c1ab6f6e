#pragma once

#include "link/AnswerDecoder.h"
#include "link/Command.h"
#include "link/RadioMemories.h"
#include "link/Signature.h"
#include "link/WeeklySchedule.h"

#include <vector>

namespace orfa::link {

// Builders of every command the panel sends, one per instruction. Each takes
// the shared signature counter and moves it by the rule of its kind: a
// request takes its own code as signature, a setting and the power command
// the next free value. Each returns the frame (format 97, address 1) with its
// queue key (the instruction code), its coalescing flag and, for 65 and 67,
// the merge key that keeps changes of different outputs or parameters apart.
//
// Positions are slider positions and are clamped to their slider's range;
// numbers (outputs, sources, presets, memories) must lie in their ranges and
// are sent as they are.

// 64: master volume at slider position 0..159 (80 - position dB).
Command buildSetMasterVolume(SignatureCounter& signature, int position);
// 65: (output, level 0..79) pairs in the given order; merge key: the set of
// outputs addressed (ascending, each once).
Command buildSetOutputLevels(SignatureCounter& signature, const std::vector<OutputValue>& levels);
// 66: source 1..10 of output 1..16; never coalesced.
Command buildSetOutputSource(SignatureCounter& signature, int output, int source);
// 67: parameter 1..6 of input box 1..5 at a slider position; merge key: the
// parameter code. Box and parameter are clamped to their ranges.
Command buildSetInputParameter(SignatureCounter& signature, int box, int parameter, int position);
// 160 and 161: store the current state as preset 1..8, or activate it.
Command buildStorePreset(SignatureCounter& signature, int preset);
Command buildActivatePreset(SignatureCounter& signature, int preset);
// 164: the whole weekly schedule.
Command buildStoreSchedule(SignatureCounter& signature, const WeeklySchedule& schedule);
// 165: switch the amplifier on (0xFF) or off (0x00).
Command buildSetPower(SignatureCounter& signature, bool on);
// 166: tune the radio to memory 1..9.
Command buildTuneRadioMemory(SignatureCounter& signature, int memory);
// 167: all nine radio memories.
Command buildStoreRadioMemories(SignatureCounter& signature, const RadioMemories& memories);

// Requests.
Command buildReadMasterVolume(SignatureCounter& signature);    // 80, no data
Command buildReadOutputLevels(SignatureCounter& signature);    // 81, outputs 1..16
Command buildReadOutputSources(SignatureCounter& signature);   // 82, outputs 1..16
Command buildReadInputParameters(SignatureCounter& signature); // 83, the 30 codes
Command buildReadSchedule(SignatureCounter& signature);        // 170, days 1..7
Command buildReadPower(SignatureCounter& signature);           // 171, no data
Command buildReadRadioMemories(SignatureCounter& signature);   // 172, memories 1..9
Command buildReadTunedFrequency(SignatureCounter& signature);  // 173, no data

} // namespace orfa::link
