#pragma once

#include "model/AmpState.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orfa::users {
class OperatorAccess;
}

namespace orfa::model {

class IoNaming;

// Which parts of a snapshot a restore puts back (--only).
struct RestoreParts {
    bool power = true;
    bool master = true;
    bool outputs = true;
    bool inputs = true;
};
// "power,master,outputs,inputs" or a subset; all of them when empty.
std::optional<RestoreParts> parseRestoreParts(const QStringList& only, QString& error);

// One setting a restore sends.
struct RestoreStep {
    enum class Kind { Power, Master, Source, Level, InputParameter };
    Kind kind = Kind::Power;
    int number = 0;    // output or input box
    int parameter = 0; // input parameter 1 (gain) .. 6
    int value = 0; // in the model's units: on 1/off 0, master dB, level, source, gain or band dB
    QString what;  // for messages: "output 3 (Hala) level"
};

// The settings that take the amplifier from current to wanted, for the parts
// chosen and the outputs the site uses (settings flag on): switching on
// first, switching off last, so that the settings between reach an amplifier
// that is on. A source 0 (none) cannot be sent and is left as it is.
std::vector<RestoreStep> restoreSteps(const AmpState& current, const AmpState& wanted,
                                      const RestoreParts& parts,
                                      const users::OperatorAccess& access, const IoNaming& naming);

// The steps the operator's rights do not allow, as messages.
QStringList forbiddenSteps(const std::vector<RestoreStep>& steps,
                           const users::OperatorAccess& access);

} // namespace orfa::model
