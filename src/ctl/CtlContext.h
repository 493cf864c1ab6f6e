#pragma once

#include "ctl/AmpSession.h"
#include "ctl/CtlArguments.h"
#include "model/IoNaming.h"
#include "users/OperatorAccess.h"

#include <QString>
#include <QTextStream>

namespace orfa::data {
class DataModule;
}

namespace orfa::ctl {

// The exit codes of orfactl.
enum ExitCode : int {
    kExitDone = 0,
    kExitAmplifierFailed = 1, // refused (non-zero acknowledge), never answered, did not take
    kExitUsage = 2,
    kExitUnreachable = 3,
    kExitNotAllowed = 4, // login failed, or the rights do not allow it
};

// Where orfactl writes: data to out, one line per error to err.
struct Console {
    QTextStream& out;
    QTextStream& err;
};

// Everything a command needs once the settings are read and the operator
// logged in.
struct CtlContext {
    const CtlArguments& arguments;
    Console& console;
    data::DataModule& data;
    const model::IoNaming& naming;
    const users::OperatorAccess& access;
    AmpSession& session;
    QString address; // host:port, for messages

    // Prints "orfactl: text" on err and returns code.
    int fail(int code, const QString& text) const;
    // Waits for the amplifier; 0, or the code after telling what went wrong.
    int settle() const;
};

} // namespace orfa::ctl
