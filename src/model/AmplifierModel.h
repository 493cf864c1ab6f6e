#pragma once

#include "link/AnswerDecoder.h"
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/ValueCodec.h"
#include "link/WeeklySchedule.h"
#include "model/AmpItem.h"

#include <QList>
#include <QObject>

#include <array>
#include <optional>
#include <set>

namespace orfa::model {

// The amplifier as the operator knows it: what it last reported, or what was
// last asked of it, whichever came later. Numbers count from 1 (outputs 1..16,
// boxes 1..5, parameters 1..6, memories 1..9, weekdays 1..7); a getter given a
// number out of range answers 0 or an empty value, a setter ignores it.
//
// Values keep the ranges of the panel's controls: a level 0..79, a source
// 0 (none) or 1..10, the master volume as slider position 0..159 (80 - dB),
// a gain 0..15, a band 0..24 (12 - dB). A setter clamps a value outside its
// range to the nearer end, and takes a source above 10 as none. Before the
// first answer everything is 0 and the power unknown.
//
// Every setter emits its item's signal, and only when the value changed.
// radioMemoriesRead() and scheduleRead() come from AnswerReader instead, after
// each answer it stored, whether anything changed or not.
class AmplifierModel : public QObject {
    Q_OBJECT
public:
    // The level a muted output is set to.
    static constexpr int kMutedLevel = link::kOutputLevelMax;

    explicit AmplifierModel(QObject* parent = nullptr);

    link::PowerState power() const { return power_; }
    int masterVolume() const { return masterVolume_; }
    int outputLevel(int output) const;
    int outputSource(int output) const;
    bool isMuted(int output) const;
    // The level an unmute restores; meaningful while the output is muted.
    int levelToRestore(int output) const;
    int inputParameter(int box, int parameter) const;
    std::optional<link::RadioFrequency> tunedFrequency() const { return tunedFrequency_; }
    link::RadioMemory radioMemory(int memory) const;
    const link::WeeklySchedule& schedule() const { return schedule_; }

    // The output group an output belongs to, 0 for none: a level set on one
    // member goes to all of them. Not the amplifier's: set from the settings.
    int outputGroup(int output) const;
    void setOutputGroup(int output, int group);

    // An item is unconfirmed from the moment the amplifier refused or never
    // took a setting of it until an answer carries its value again.
    bool isUnconfirmed(const AmpItem& item) const { return unconfirmed_.contains(item); }
    const std::set<AmpItem>& unconfirmedItems() const { return unconfirmed_; }
    void setUnconfirmed(const AmpItem& item, bool unconfirmed);

    void setPower(link::PowerState power);
    void setMasterVolume(int position);
    void setOutputLevel(int output, int level);
    void setOutputSource(int output, int source);
    // Muting remembers the level to restore; unmuting keeps it as it was.
    void setMuted(int output, bool muted, int levelToRestore = 0);
    void setInputParameter(int box, int parameter, int position);
    void setTunedFrequency(link::RadioFrequency frequency);
    void setRadioMemory(int memory, const link::RadioMemory& value);
    void setScheduleInOperation(bool inOperation);
    void setScheduleDay(int day, const link::ScheduleDay& times);

Q_SIGNALS:
    void powerChanged(orfa::link::PowerState power);
    void masterVolumeChanged(int position);
    void outputLevelChanged(int output, int level);
    void outputSourceChanged(int output, int source);
    void muteChanged(int output, bool muted);
    void inputParameterChanged(int box, int parameter, int position);
    void tunedFrequencyChanged(orfa::link::RadioFrequency frequency);
    void radioMemoryChanged(int memory, const orfa::link::RadioMemory& value);
    void scheduleInOperationChanged(bool inOperation);
    void scheduleDayChanged(int day, const orfa::link::ScheduleDay& times);
    void unconfirmedChanged(const orfa::model::AmpItem& item, bool unconfirmed);
    // An answer to request 172 was stored in radioMemory().
    void radioMemoriesRead();
    // An answer to request 170 was stored in schedule(); days: the weekdays
    // (1..7) it had records for, in increasing order.
    void scheduleRead(const QList<int>& days);

private:
    struct Output {
        int level = 0;
        int source = 0;
        bool muted = false;
        int levelToRestore = 0;
        int group = 0;
    };

    Output* output(int number);
    const Output* output(int number) const;

    link::PowerState power_ = link::PowerState::Unknown;
    int masterVolume_ = 0;
    std::array<Output, link::kOutputCount> outputs_{};
    std::array<std::array<int, link::kInputParameterCount>, link::kInputBoxCount> inputs_{};
    std::optional<link::RadioFrequency> tunedFrequency_;
    link::RadioMemories memories_{};
    link::WeeklySchedule schedule_;
    std::set<AmpItem> unconfirmed_;
};

} // namespace orfa::model
