#pragma once

#include "spinel/SpinelCore.h"

namespace orfa::link {
class AmpLink;
}

namespace orfa::model {

class AmplifierModel;

// Puts the amplifier's answers into the model: registers the display handlers
// of the requests 80-83 and 170-173 on the link for its lifetime. A value read
// from an answer confirms its item, except while a setting of that item waits
// in the queue: the answer was read before the setting and is stale, and the
// setting's own answer confirms the value asked for.
//
// Mute lives here as well as in the intents: a muted output read back at the
// muted level stays muted with its level to restore; a level other than 79
// was set elsewhere and ends the mute; an output found at 79 that was not
// muted here is taken as muted, with no level of its own to restore. An answer that carries nothing
// readable (a power byte other than 0x00 and 0xFF, short radio or schedule data) changes nothing.
// After storing an answer to 172 or 170 it emits the model's radioMemoriesRead() or scheduleRead(),
// so that a page showing them can fill itself even when no value changed.
class AnswerReader {
public:
    // Both must outlive this object.
    AnswerReader(AmplifierModel& model, link::AmpLink& link);
    ~AnswerReader();
    AnswerReader(const AnswerReader&) = delete;
    AnswerReader& operator=(const AnswerReader&) = delete;

    void readMasterVolume(const spinel::Bytes& frame);
    void readOutputLevels(const spinel::Bytes& frame);
    void readOutputLevel(int output, int level);
    void readOutputSources(const spinel::Bytes& frame);
    void readInputParameters(const spinel::Bytes& frame);
    void readPower(const spinel::Bytes& frame);
    void readTunedFrequency(const spinel::Bytes& frame);
    void readRadioMemories(const spinel::Bytes& frame);
    void readSchedule(const spinel::Bytes& frame);

private:
    AmplifierModel& model_;
    link::AmpLink& link_;
};

} // namespace orfa::model
