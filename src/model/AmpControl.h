#pragma once

#include "link/AnswerDecoder.h"
#include "link/Command.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "model/AmpItem.h"
#include "model/AnswerReader.h"
#include "model/IntentResult.h"

#include <QObject>
#include <QTimer>

#include <initializer_list>
#include <vector>

namespace orfa::link {
class AmpLink;
}
namespace orfa::users {
class OperatorAccess;
}

namespace orfa::model {

class AmplifierModel;

// What a reading asks the amplifier for: each is one request.
enum class Reading {
    OutputSources,   // 82
    OutputLevels,    // 81
    MasterVolume,    // 80
    InputParameters, // 83
    Power,           // 171
    TunedFrequency,  // 173
    RadioMemories,   // 172
    Schedule,        // 170
};

// The operator's intents, turned into commands on the link's send queue. Each
// intent goes through the operator's access first: a refused intent sends
// nothing and says why. An accepted one is one command with one signature,
// built by the link's builders (which keep the queue's coalescing and merge
// keys), and shows in the model at once, its items Pending until the
// amplifier answers the setting (then Confirmed).
//
// A setting the amplifier refuses (non-zero acknowledge code) or never
// answers, or that the queue cannot take, marks its items unconfirmed and
// queues the request that reads them back; its answer confirms them with the
// amplifier's values. A request that fails is not repeated, so that a silent
// amplifier causes no loop. Each failure is one warning in `orfa.model`.
//
// It also tells the model whether the amplifier answers: yes at every frame
// that arrives, no when a frame goes unanswered or queued frames wait longer
// than the send delay and two seconds without any answer.
//
// Values are in the amplifier's units (Units.h). Numbers out of their ranges
// (outputs 1..16, sources 1..10, boxes 1..5, parameters 1..6, presets 1..8,
// memories 1..9) make an intent Invalid.
class AmpControl : public QObject {
    Q_OBJECT
public:
    using Access = users::OperatorAccess;

    // Both must outlive this object. Registers the display handlers of the
    // requests on the link (see AnswerReader) and clears them when destroyed.
    AmpControl(AmplifierModel& model, link::AmpLink& link, QObject* parent = nullptr);

    // Whether a level set on an output moves the other members of its group.
    enum class Spread { Group, OutputOnly };

    // Level 0..79 of an output and of every member of its group the operator
    // may change: the pairs (output, level), then (s, level) for each member
    // s in ascending order, the output itself included again; one command 65.
    // With OutputOnly, or for an output in no group, the one pair. A level
    // other than 79 ends the mute of the outputs it moves.
    IntentResult setOutputLevel(const Access& access, int output, int level,
                                Spread spread = Spread::Group);
    // The same with the volume, 79 - level.
    IntentResult setOutputVolume(const Access& access, int output, int volume,
                                 Spread spread = Spread::Group);
    // Levels of several outputs in one command 65, the pairs in the order
    // given, no group spread (a state put back as a whole). Refused whole
    // when the operator may not change one of them; pairs with an output
    // outside 1..16 are left out.
    IntentResult setOutputLevels(const Access& access,
                                 const std::vector<link::OutputValue>& levels);
    // Mute sets the level to 79 (the group follows, its members' mute stays
    // as it was) and remembers the one to restore; unmute sets that level
    // again, or kUnmuteLevelWhenUnknown for an output found muted. Unchanged
    // when the output already is so.
    IntentResult setMuted(const Access& access, int output, bool muted,
                          Spread spread = Spread::Group);
    IntentResult setOutputSource(const Access& access, int output, int source); // 66
    IntentResult setMasterVolumeDb(const Access& access, int db);               // 64
    // 67: parameter 1 (gain, 0..15) or 2..6 (bands, dB -12..12) of a box.
    IntentResult setInputParameter(const Access& access, int box, int parameter, int value);
    // 161, then the readings of what a preset changes.
    IntentResult recallPreset(const Access& access, int preset);
    IntentResult storePreset(const Access& access, int preset);       // 160
    IntentResult recallRadioMemory(const Access& access, int memory); // 166, then request 173
    // 165. togglePower() switches off when the model says on, and on when it
    // says off or does not know. Every operator may switch the amplifier.
    IntentResult setPower(bool on);
    IntentResult togglePower();
    // 167 and 164: the whole memories or schedule as the settings dialog
    // collected them, sent as given.
    // The settings dialog, which only operators with the right
    // "Administrace" open, is their one front end.
    IntentResult storeRadioMemories(const link::RadioMemories& memories);
    IntentResult storeSchedule(const link::WeeklySchedule& schedule);

    // Queues the requests, in the order given; a request already waiting in
    // the queue is left as it is (a twin would restart its delay).
    void read(std::initializer_list<Reading> readings);
    // Everything a front end shows: sources, levels, master, input
    // parameters, power and the tuned frequency.
    void readWholeState();

    // Whether the send queue has a free slot now, and whether it is empty.
    bool hasRoom() const;
    bool isIdle() const;

Q_SIGNALS:
    // A command of this control left the send queue (answered, refused or
    // dropped): there is room for another.
    void commandLeftQueue();

private:
    // A queued setting and the items it changes.
    struct Outstanding {
        link::Command command;
        std::vector<AmpItem> items;
    };

    IntentResult queue(const link::Command& command, std::vector<AmpItem> items);
    IntentResult queueLevels(const std::vector<link::OutputValue>& levels);
    void commandFinished(const link::Command& command, bool taken, const QString& failure);
    void reportFailure(const link::Command& command, const QString& failure,
                       const std::vector<AmpItem>& items);
    void readBack(const std::vector<AmpItem>& items);
    void watchAnswers();

    AmplifierModel& model_;
    link::AmpLink& link_;
    AnswerReader answers_;
    std::vector<Outstanding> outstanding_;
    QTimer answerDeadline_;
};

} // namespace orfa::model
