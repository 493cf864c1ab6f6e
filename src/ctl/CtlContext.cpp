#include "ctl/CtlContext.h"

namespace orfa::ctl {

int CtlContext::fail(int code, const QString& text) const {
    console.err << "orfactl: " << text << Qt::endl;
    return code;
}

int CtlContext::settle() const {
    switch (session.settle()) {
    case AmpSession::Outcome::Done:
        return kExitDone;
    case AmpSession::Outcome::Failed:
        for (const QString& failure : session.failures())
            console.err << "orfactl: " << failure << Qt::endl;
        return kExitAmplifierFailed;
    case AmpSession::Outcome::Unreachable:
        break;
    }
    return fail(kExitUnreachable, QStringLiteral("cannot reach the amplifier at %1").arg(address));
}

} // namespace orfa::ctl
