#include "ctl/AmpSession.h"

#include "link/AmpLink.h"
#include "link/CommandName.h"

#include <QEventLoop>
#include <QTimer>

namespace orfa::ctl {

AmpSession::AmpSession(link::AmpLink& link, int timeoutMs, QObject* parent)
    : QObject(parent)
    , link_(link)
    , timeoutMs_(timeoutMs) {
    connect(&link, &link::AmpLink::commandRefused, this,
            [this](const link::Command& command, int ack) {
                recordFailure(command, QStringLiteral("refused with code %1").arg(ack));
            });
    connect(&link, &link::AmpLink::commandDropped, this, [this](const link::Command& command) {
        recordFailure(command, QStringLiteral("was not answered"));
    });
}

bool AmpSession::hasAddress() const {
    bool ok = false;
    const uint port = link_.port().toUInt(&ok);
    return !link_.host().trimmed().isEmpty() && ok && port >= 1 && port <= 65535;
}

void AmpSession::recordFailure(const link::Command& command, const QString& what) {
    failures_ << QStringLiteral("the amplifier %1 %2").arg(what, link::commandName(command.frame));
}

AmpSession::Outcome AmpSession::finished() const {
    // Failures count once everything has been answered or dropped.
    return failures_.isEmpty() ? Outcome::Done : Outcome::Failed;
}

AmpSession::Outcome AmpSession::settle() {
    if (!hasAddress() || link_.errorLatched())
        return Outcome::Unreachable;
    if (link_.isIdle())
        return finished();
    QEventLoop loop;
    // Dropping a frame the amplifier does not answer is progress too, so only
    // a connection that cannot be made stalls the queue for long.
    QTimer stalled;
    stalled.setSingleShot(true);
    Outcome outcome = Outcome::Done;
    const auto progress = [&] {
        if (link_.isIdle()) {
            outcome = finished();
            loop.quit();
        } else {
            stalled.start(timeoutMs_);
        }
    };
    connect(&link_, &link::AmpLink::commandAnswered, &loop, progress, Qt::QueuedConnection);
    connect(&link_, &link::AmpLink::commandRefused, &loop, progress, Qt::QueuedConnection);
    connect(&link_, &link::AmpLink::commandDropped, &loop, progress, Qt::QueuedConnection);
    connect(&stalled, &QTimer::timeout, &loop, [&] {
        outcome =
            link_.isConnected() && !link_.errorLatched() ? Outcome::Failed : Outcome::Unreachable;
        if (outcome == Outcome::Failed)
            failures_ << QStringLiteral("the amplifier stopped answering");
        loop.quit();
    });
    stalled.start(timeoutMs_);
    loop.exec();
    return outcome;
}

} // namespace orfa::ctl
