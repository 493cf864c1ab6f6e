#pragma once

#include "link/Command.h"

#include <QObject>
#include <QStringList>

namespace orfa::link {
class AmpLink;
}

namespace orfa::ctl {

// Waits for the amplifier on behalf of a one-shot command: runs the event
// loop until every queued frame was answered or dropped, and remembers the
// commands the amplifier refused or never answered. It wakes only when the
// link reports a command leaving the queue, or when the timeout runs out
// without any progress.
class AmpSession : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Done,        // every frame answered with acknowledge 0
        Failed,      // some frame refused or never answered; see failures()
        Unreachable, // no connection within the timeout, or the link gave up
    };

    // link must outlive this object.
    AmpSession(link::AmpLink& link, int timeoutMs, QObject* parent = nullptr);

    // Whether the link has an address a connection can be tried with.
    bool hasAddress() const;
    // Runs the event loop until the queue is empty.
    Outcome settle();
    // One line per refused or unanswered command, in the order they happened.
    const QStringList& failures() const { return failures_; }

private:
    Outcome finished() const;
    void recordFailure(const link::Command& command, const QString& what);

    link::AmpLink& link_;
    int timeoutMs_;
    QStringList failures_;
};

} // namespace orfa::ctl
