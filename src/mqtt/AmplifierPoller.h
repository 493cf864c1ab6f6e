#pragma once

#include "link/Command.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

namespace orfa::link {
class AmpLink;
}

namespace orfa::mqtt {

// Reads the amplifier's state at an interval (the amplifier reports nothing
// by itself, and panels change it too) and tells whether it answers: it does
// from the first answer on; it does not once a frame was dropped unanswered,
// or when queued frames have waited longer than the interval (at least the
// send delay and two seconds) without any answer, as while the amplifier
// cannot be reached.
class AmplifierPoller : public QObject {
    Q_OBJECT
public:
    // link must outlive this object.
    AmplifierPoller(link::AmpLink& link, int intervalMs, QObject* parent = nullptr);

    // Polls now and then at every interval.
    void start();
    // An extra poll now: after a reconnect, a recalled preset.
    void pollNow();
    bool answering() const { return answering_; }

Q_SIGNALS:
    // Right before the requests are queued.
    void aboutToPoll();
    void answeringChanged(bool answering);
    // Every request of a poll was answered (a poll with a request dropped does
    // not count): the model holds the amplifier's state.
    void stateRead();

private:
    void watchAnswers();
    void commandDropped(const link::Command& command);
    bool isUnread(std::uint8_t instruction) const;
    void setAnswering(bool answering);
    int answerTimeoutMs() const;

    link::AmpLink& link_;
    int intervalMs_;
    QTimer interval_;
    QTimer watch_;
    QElapsedTimer unansweredFor_;
    qint64 answersSeen_ = 0;    // frames received so far
    qint64 answersWatched_ = 0; // of them, those the watch has taken note of
    // The requests of the first unanswered poll not answered yet, by instruction.
    std::vector<std::uint8_t> unread_;
    bool roundFailed_ = false; // one of them was dropped
    bool answering_ = false;
};

} // namespace orfa::mqtt
