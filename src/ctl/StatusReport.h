#pragma once

#include "ctl/AmpState.h"
#include "link/FrequencyText.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orfa::users {
class OperatorAccess;
}

namespace orfa::ctl {

class IoNaming;

// What `status` prints: the amplifier's state as read, the outputs the site
// uses (settings flag on) and the input boxes with at least one such source.
struct StatusReport {
    QString address;
    AmpState state;
    std::optional<link::RadioFrequency> tuned;

    QString text(const IoNaming& naming, const users::OperatorAccess& access) const;
    QByteArray json(const IoNaming& naming, const users::OperatorAccess& access) const;
};

} // namespace orfa::ctl
