#pragma once

#include "link/AnswerDecoder.h"
#include "link/Instructions.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "model/AmpItem.h"
#include "model/Units.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <array>
#include <map>
#include <optional>
#include <set>

namespace orfa::model {

// What the model knows of an item's value.
enum class ItemState {
    Unknown,   // never read since the program started: shown as unknown, never as 0
    Confirmed, // an answer carried it, or the amplifier took the setting
    Pending,   // a setting is queued and not yet answered; the value is the one asked for
};

// The amplifier as the operator knows it: what it last reported, or what was
// last asked of it while that waits for the amplifier. Numbers count from 1
// (outputs 1..16, boxes 1..5, parameters 1..6, memories 1..9, weekdays 1..7);
// a getter given a number out of range answers 0 or an empty value, a setter
// ignores it.
//
// Values are in the amplifier's own units (see Units.h): an output level
// 0..79 (0 loudest, 79 muted), a source 0 (none) or 1..10, the master volume
// in dB (-79..80), a gain 0..15, a band in dB (-12..12). A setter clamps a
// value outside its range to the nearer end, and takes a source above 10 as
// none. Before the first answer every value is 0 and its item Unknown; the
// power is then PowerState::Unknown.
//
// Every setter emits its item's signal, and only when the value changed.
// radioMemoriesRead() and scheduleRead() come from AnswerReader instead, after
// each answer it stored, whether anything changed or not.
class AmplifierModel : public QObject {
    Q_OBJECT
public:
    // The level a muted output is set to.
    static constexpr int kMutedLevel = kLevelMuted;
    // The level an unmute sets on an output that was found muted (at level
    // 79) without having been muted here, so that no level to restore is
    // known: about half the range.
    static constexpr int kUnmuteLevelWhenUnknown = 40;

    explicit AmplifierModel(QObject* parent = nullptr);

    link::PowerState power() const { return power_; }
    int masterVolumeDb() const { return masterDb_; }
    int outputLevel(int output) const;
    // 79 - level: a higher number is louder.
    int outputVolume(int output) const { return volumeOfLevel(outputLevel(output)); }
    int outputSource(int output) const;
    bool isMuted(int output) const;
    // The level an unmute sets; meaningful while the output is muted.
    int levelToRestore(int output) const;
    // Gain 0..15 (parameter 1) or band dB -12..12 (parameters 2..6).
    int inputParameter(int box, int parameter) const;
    std::optional<link::RadioFrequency> tunedFrequency() const { return tunedFrequency_; }
    std::optional<double> tunedFrequencyMhz() const;
    link::RadioMemory radioMemory(int memory) const;
    const link::WeeklySchedule& schedule() const { return schedule_; }

    // The output group an output belongs to, 0 for none: a level set on one
    // member goes to all of them. Not the amplifier's: set from the settings.
    int outputGroup(int output) const;
    void setOutputGroup(int output, int group);

    ItemState itemState(const AmpItem& item) const;
    bool isKnown(const AmpItem& item) const { return itemState(item) != ItemState::Unknown; }
    bool isPending(const AmpItem& item) const { return pending_.contains(item); }
    // A setting of the item was queued, or it left the queue (answered,
    // refused or dropped). The item stays Pending while any setting of it
    // waits; the last one to leave makes it Confirmed when the amplifier took
    // it (confirmed true), else as it was before.
    void addPending(const AmpItem& item);
    void removePending(const AmpItem& item, bool confirmed);
    // An answer carried the item's value.
    void confirm(const AmpItem& item);

    // An item is unconfirmed from the moment the amplifier refused or never
    // took a setting of it until an answer carries its value again.
    bool isUnconfirmed(const AmpItem& item) const { return unconfirmed_.contains(item); }
    const std::set<AmpItem>& unconfirmedItems() const { return unconfirmed_; }
    void setUnconfirmed(const AmpItem& item, bool unconfirmed);

    // Whether the amplifier answers: from its first answer on, until a frame
    // goes unanswered. False before anything was heard.
    bool isAnswering() const { return answering_; }
    // When the last frame from the amplifier arrived; invalid before the first.
    const QDateTime& lastAnswerAt() const { return lastAnswerAt_; }
    void noteAnswer(const QDateTime& at);
    void setAnswering(bool answering);

    void setPower(link::PowerState power);
    void setMasterVolumeDb(int db);
    void setOutputLevel(int output, int level);
    void setOutputSource(int output, int source);
    // Muting remembers the level to restore; unmuting keeps it as it was.
    void setMuted(int output, bool muted, int levelToRestore = kUnmuteLevelWhenUnknown);
    void setInputParameter(int box, int parameter, int value);
    void setTunedFrequency(link::RadioFrequency frequency);
    void setRadioMemory(int memory, const link::RadioMemory& value);
    void setScheduleInOperation(bool inOperation);
    void setScheduleDay(int day, const link::ScheduleDay& times);

Q_SIGNALS:
    void powerChanged(orfa::link::PowerState power);
    void masterVolumeChanged(int db);
    void outputLevelChanged(int output, int level);
    void outputSourceChanged(int output, int source);
    void muteChanged(int output, bool muted);
    void inputParameterChanged(int box, int parameter, int value);
    void tunedFrequencyChanged(orfa::link::RadioFrequency frequency);
    void radioMemoryChanged(int memory, const orfa::link::RadioMemory& value);
    void scheduleInOperationChanged(bool inOperation);
    void scheduleDayChanged(int day, const orfa::link::ScheduleDay& times);
    void itemStateChanged(const orfa::model::AmpItem& item, orfa::model::ItemState state);
    void unconfirmedChanged(const orfa::model::AmpItem& item, bool unconfirmed);
    void answeringChanged(bool answering);
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
    void emitStateIfChanged(const AmpItem& item, ItemState before);

    link::PowerState power_ = link::PowerState::Unknown;
    int masterDb_ = 0;
    std::array<Output, link::kOutputCount> outputs_{};
    std::array<std::array<int, link::kInputParameterCount>, link::kInputBoxCount> inputs_{};
    std::optional<link::RadioFrequency> tunedFrequency_;
    link::RadioMemories memories_{};
    link::WeeklySchedule schedule_;
    std::set<AmpItem> known_;
    std::map<AmpItem, int> pending_; // settings of the item waiting in the queue
    std::set<AmpItem> unconfirmed_;
    bool answering_ = false;
    QDateTime lastAnswerAt_;
};

} // namespace orfa::model
