#pragma once

#include "link/AnswerDecoder.h"
#include "model/SnapshotRestore.h"
#include "users/OperatorAccess.h"

#include <QObject>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace orfa::model {

class AmpControl;

// Puts a set of restore steps on the amplifier: queues them in their order,
// as the operator (whose access every step goes through), the levels of all
// outputs in one command without group spread where the first level step
// stands (a state holds each output's own level), and waits for room in the
// send queue whenever it is full, so that any number of steps can be sent.
class StateRestore : public QObject {
    Q_OBJECT
public:
    // control must outlive this object.
    StateRestore(AmpControl& control, users::OperatorAccess access, std::vector<RestoreStep> steps,
                 QObject* parent = nullptr);

    // Queues what fits now and the rest as the queue makes room; sent()
    // follows once every step is queued, at once when there are none.
    void start();
    bool isSent() const { return next_ >= steps_.size(); }
    // The steps the control did not take (not allowed, or not queued).
    const QStringList& notTaken() const { return notTaken_; }

Q_SIGNALS:
    void sent();

private:
    void sendMore();
    void send(const RestoreStep& step);

    AmpControl& control_;
    users::OperatorAccess access_;
    std::vector<RestoreStep> steps_;
    std::vector<link::OutputValue> levels_; // of every level step, until they are sent
    std::size_t next_ = 0;
    bool started_ = false;
    QStringList notTaken_;
};

} // namespace orfa::model
