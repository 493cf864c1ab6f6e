#pragma once

#include "link/FrequencyText.h"
#include "model/AmpState.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orfa::users {
class OperatorAccess;
}

namespace orfa::model {
class IoNaming;
}

namespace orfa::ctl {

using model::IoNaming;

// What `status` prints: the amplifier's state as read, the outputs the site
// uses (settings flag on) and the input boxes with at least one such source.
struct StatusReport {
    QString address;
    model::AmpState state;
    std::optional<link::RadioFrequency> tuned;

    QString text(const IoNaming& naming, const users::OperatorAccess& access) const;
    QByteArray json(const IoNaming& naming, const users::OperatorAccess& access) const;
};

} // namespace orfa::ctl
