#include "mqtt/AmplifierPoller.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "mqtt/MqttLog.h"

#include <algorithm>

namespace orfa::mqtt {
namespace {

constexpr int kWatchMs = 100;

using RequestBuilder = link::Command (*)(link::SignatureCounter&);
// What the service publishes: the outputs, the master volume, the power, the radio.
constexpr RequestBuilder kRequests[] = {link::buildReadOutputSources, link::buildReadOutputLevels,
                                        link::buildReadMasterVolume, link::buildReadPower,
                                        link::buildReadTunedFrequency};
constexpr int kAnswerMarginMs = 2000;

} // namespace

AmplifierPoller::AmplifierPoller(link::AmpLink& link, int intervalMs, QObject* parent)
    : QObject(parent)
    , link_(link)
    , intervalMs_(intervalMs) {
    interval_.setInterval(intervalMs_);
    connect(&interval_, &QTimer::timeout, this, &AmplifierPoller::pollNow);
    watch_.setInterval(kWatchMs);
    connect(&watch_, &QTimer::timeout, this, &AmplifierPoller::watchAnswers);
    connect(&link_, &link::AmpLink::commandDropped, this, &AmplifierPoller::commandDropped);
    // Every frame the receiver cut out is an answer, a refusal included.
    connect(&link_, &link::AmpLink::frameReceived, this, [this] { ++answersSeen_; });
}

void AmplifierPoller::start() {
    interval_.start();
    pollNow();
}

void AmplifierPoller::pollNow() {
    // What was answered since the last look, before the requests go in again.
    watchAnswers();
    Q_EMIT aboutToPoll();
    // A request still queued stays as it is: a twin would restart its delay.
    std::vector<std::uint8_t> polled;
    for (RequestBuilder build : kRequests) {
        const link::Command request = build(link_.signature());
        polled.push_back(request.instruction);
        if (!link_.hasQueued(request.instruction))
            link_.send(request);
    }
    if (unread_.empty()) {
        roundFailed_ = false;
        for (const std::uint8_t instruction : polled) {
            if (link_.hasQueued(instruction))
                unread_.push_back(instruction);
        }
    }
    if (!watch_.isActive()) {
        answersWatched_ = answersSeen_;
        unansweredFor_.start();
        watch_.start();
    }
}

void AmplifierPoller::watchAnswers() {
    if (answersSeen_ != answersWatched_) {
        answersWatched_ = answersSeen_;
        unansweredFor_.restart();
        setAnswering(true);
    }
    // A request leaves the queue when it is answered or dropped.
    const bool roundOpen = !unread_.empty();
    std::erase_if(unread_,
                  [this](std::uint8_t instruction) { return !link_.hasQueued(instruction); });
    if (roundOpen && unread_.empty() && !roundFailed_)
        Q_EMIT stateRead();
    // Only a wait that was watched from its start counts (not an idle spell
    // before the poll that calls this).
    if (link_.isIdle())
        watch_.stop();
    else if (watch_.isActive() && unansweredFor_.elapsed() > answerTimeoutMs())
        setAnswering(false);
}

void AmplifierPoller::commandDropped(const link::Command& command) {
    if (isUnread(command.instruction))
        roundFailed_ = true;
    setAnswering(false);
}

bool AmplifierPoller::isUnread(std::uint8_t instruction) const {
    return std::find(unread_.begin(), unread_.end(), instruction) != unread_.end();
}

void AmplifierPoller::setAnswering(bool answering) {
    if (answering == answering_)
        return;
    answering_ = answering;
    if (answering)
        qCInfo(lcMqtt) << "the amplifier answers";
    else
        qCWarning(lcMqtt) << "the amplifier does not answer";
    Q_EMIT answeringChanged(answering);
}

int AmplifierPoller::answerTimeoutMs() const {
    return std::max(intervalMs_, link_.sendDelay() + kAnswerMarginMs);
}

} // namespace orfa::mqtt
