#pragma once

#include "link/Command.h"
#include "link/CommandBuilder.h"
#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "model/AnswerReader.h"

#include <QObject>

#include <vector>

namespace orfa::link {
class AmpLink;
}

namespace orfa::model {

class AmplifierModel;

// The operator's intents, turned into commands on the link's send queue. Each
// intent is one command with one signature, built by the link's builders
// (which keep the queue's coalescing and merge keys), and shows in the model
// at once: nothing waits for the amplifier.
//
// A setting the amplifier refuses (non-zero acknowledge code) or never
// answers, or that the queue cannot take, marks its items unconfirmed and
// queues the request that reads them back (whatever sendingAllowed() says);
// its answer confirms them with the amplifier's values. A request that fails
// is not repeated, so that a silent amplifier causes no loop. Each failure is
// one warning in `orfa.model`.
//
// Numbers out of their ranges (outputs 1..16, sources 1..10, boxes 1..5,
// parameters 1..6, presets 1..8, memories 1..9) make an intent do nothing.
class AmpControl : public QObject {
    Q_OBJECT
public:
    // What a page shows, and so what refresh() asks for.
    enum class Page {
        Inputs,        // 80 master, 83 input parameters, 173 tuned radio, 171 power
        Outputs,       // 82 sources, 81 levels, 80 master, 171 power
        RadioMemories, // 172
        Schedule,      // 170
        Power,         // 171 alone: the status bar's power panel
    };

    // Both must outlive this object. Registers the display handlers of the
    // requests on the link (see AnswerReader) and clears them when destroyed.
    AmpControl(AmplifierModel& model, link::AmpLink& link, QObject* parent = nullptr);

    // While false, no intent but the power switch sends anything and refresh()
    // of the inputs, outputs and power pages queues nothing: the panel holds
    // it until its start-up has ended. The radio memories and the schedule are
    // the settings dialog's, which reads and stores them whatever the panel
    // holds back: refresh() of their pages, storeRadioMemories() and
    // storeSchedule() always queue. True at first.
    bool sendingAllowed() const { return sendingAllowed_; }
    void setSendingAllowed(bool allowed) { sendingAllowed_ = allowed; }

    // Whether a level set on an output moves the other members of its group.
    enum class Spread { Group, OutputOnly };

    // Level 0..79 of an output and of every member of its group: the pairs
    // (output, level), then (s, level) for each member s in ascending order,
    // the output itself included again; one command 65. With OutputOnly, or
    // for an output in no group, the one pair.
    void setOutputLevel(int output, int level, Spread spread = Spread::Group);
    // Levels of several outputs in one command 65, the pairs in the order
    // given, no group spread (a scene put back as a whole). Pairs with an
    // output outside 1..16 are left out; nothing is sent when none is left.
    void setOutputLevels(const std::vector<link::OutputValue>& levels);
    // Mute sets the level to 79 and remembers the one to restore; unmute sets
    // that level again. Nothing is sent when the level already stands there.
    void setMuted(int output, bool muted);
    void setOutputSource(int output, int source); // 66, never coalesced
    void setMasterVolume(int position);           // 64, slider position 0..159
    // 67: parameter 1 (gain, 0..15) or 2..6 (bands, position 0..24) of a box.
    void setInputParameter(int box, int parameter, int position);
    void recallPreset(int preset);      // 161
    void storePreset(int preset);       // 160
    void recallRadioMemory(int memory); // 166, then request 173
    // 165. Not held back by sendingAllowed(). togglePower() switches off when
    // the model says on, and on when it says off or does not know.
    void setPower(bool on);
    void togglePower();
    // 167 and 164: the whole memories or schedule as the settings dialog
    // collected them, sent as given. Not held back by sendingAllowed().
    void storeRadioMemories(const link::RadioMemories& memories);
    void storeSchedule(const link::WeeklySchedule& schedule);

    // Queues the requests for the values of a page, in the order listed at Page.
    // Held back by sendingAllowed() except for RadioMemories and Schedule.
    void refresh(Page page);

private:
    void queue(const link::Command& command);
    void commandFailed(const link::Bytes& frame, const QString& what);

    AmplifierModel& model_;
    link::AmpLink& link_;
    AnswerReader answers_;
    bool sendingAllowed_ = true;
};

} // namespace orfa::model
