#include "ctl/AmpSession.h"

#include "link/AmpLink.h"
#include "link/CommandName.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace orfa::ctl {
namespace {

constexpr int kPollMs = 10;

} // namespace

AmpSession::AmpSession(link::AmpLink& link, int timeoutMs, QObject* parent)
    : QObject(parent)
    , link_(link)
    , timeoutMs_(timeoutMs) {
    connect(&link, &link::AmpLink::commandRefused, this,
            [this](const link::Command& command, int ack) {
                recordFailure(command.frame, QStringLiteral("refused with code %1").arg(ack));
            });
    connect(&link, &link::AmpLink::commandDropped, this, [this](const link::Command& command) {
        recordFailure(command.frame, QStringLiteral("was not answered"));
    });
}

bool AmpSession::hasAddress() const {
    bool ok = false;
    const uint port = link_.port().toUInt(&ok);
    return !link_.host().trimmed().isEmpty() && ok && port >= 1 && port <= 65535;
}

void AmpSession::recordFailure(const link::Bytes& frame, const QString& what) {
    failures_ << QStringLiteral("the amplifier %1 %2").arg(what, link::commandName(frame));
}

AmpSession::Outcome AmpSession::settle() {
    return runUntil([this] { return link_.isIdle(); });
}

AmpSession::Outcome AmpSession::waitForRoom() {
    return runUntil([this] { return link_.hasRoom(); });
}

AmpSession::Outcome AmpSession::runUntil(const std::function<bool()>& done) {
    if (!hasAddress())
        return Outcome::Unreachable;
    // Failures count once everything has been answered or dropped.
    const auto finished = [&] {
        return !failures_.isEmpty() && link_.isIdle() ? Outcome::Failed : Outcome::Done;
    };
    if (done())
        return finished();
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    auto queued = link_.queuedCount();
    Outcome outcome = Outcome::Done;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (link_.errorLatched()) {
            outcome = Outcome::Unreachable;
            loop.quit();
            return;
        }
        if (done()) {
            outcome = finished();
            loop.quit();
            return;
        }
        // Dropping a frame the amplifier does not answer is progress too, so
        // only a connection that cannot be made stalls the queue for long.
        if (link_.queuedCount() != queued) {
            queued = link_.queuedCount();
            sinceProgress.restart();
        }
        if (sinceProgress.elapsed() > timeoutMs_) {
            outcome = link_.isConnected() ? Outcome::Failed : Outcome::Unreachable;
            if (outcome == Outcome::Failed)
                failures_ << QStringLiteral("the amplifier stopped answering");
            loop.quit();
        }
    });
    poll.start(kPollMs);
    loop.exec();
    return outcome;
}

} // namespace orfa::ctl
