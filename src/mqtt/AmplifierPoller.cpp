#include "mqtt/AmplifierPoller.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "mqtt/MqttLog.h"
#include "spinel/Spinel97.h"

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
    connect(&link_, &link::AmpLink::commandDropped, this, &AmplifierPoller::frameDropped);
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
    for (RequestBuilder build : kRequests) {
        const link::Command request = build(link_.signature());
        if (!isQueued(request.instruction))
            link_.send(request);
    }
    if (unread_.empty()) {
        roundFailed_ = false;
        for (const link::QueuedFrame& slot : link_.queue().slots()) {
            if (link::isRequest(slot.instruction) && !isUnread(slot.instruction))
                unread_.push_back(slot.instruction);
        }
    }
    if (!watch_.isActive()) {
        answersSeen_ = link_.receiverStats().framesCut;
        unansweredFor_.start();
        watch_.start();
    }
}

void AmplifierPoller::watchAnswers() {
    // Every frame the receiver cut out is an answer, a refusal included.
    if (const qint64 answers = link_.receiverStats().framesCut; answers != answersSeen_) {
        answersSeen_ = answers;
        unansweredFor_.restart();
        setAnswering(true);
    }
    // A request leaves the queue when it is answered or dropped.
    const bool roundOpen = !unread_.empty();
    std::erase_if(unread_, [this](std::uint8_t instruction) { return !isQueued(instruction); });
    if (roundOpen && unread_.empty() && !roundFailed_)
        Q_EMIT stateRead();
    // Only a wait that was watched from its start counts (not an idle spell
    // before the poll that calls this).
    if (link_.queue().isEmpty())
        watch_.stop();
    else if (watch_.isActive() && unansweredFor_.elapsed() > answerTimeoutMs())
        setAnswering(false);
}

void AmplifierPoller::frameDropped(const link::Bytes& frame) {
    if (frame.size() > spinel::kFrame97InstructionOffset &&
        isUnread(frame[spinel::kFrame97InstructionOffset]))
        roundFailed_ = true;
    setAnswering(false);
}

bool AmplifierPoller::isQueued(std::uint8_t instruction) const {
    const auto& slots = link_.queue().slots();
    return std::any_of(slots.begin(), slots.end(), [instruction](const link::QueuedFrame& slot) {
        return slot.instruction == instruction;
    });
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
