#include "model/support/ModelRig.h"

#include "support/ReceivedCommands.h"

#include <QTest>

ModelRig::ModelRig()
    : control_(model_, link_) {
    sim_.listen();
    link_.setAddress(QStringLiteral("127.0.0.1"), QString::number(sim_.port()));
    link_.setSendDelay(20);
}

bool ModelRig::waitForIdleQueue(int timeoutMs) {
    return QTest::qWaitFor([this] { return link_.isIdle(); }, timeoutMs);
}

bool ModelRig::settle() {
    const bool idle = waitForIdleQueue();
    sim_.clearReceivedFrames();
    return idle;
}

std::vector<int> ModelRig::receivedInstructions() const {
    return orfa::test::receivedInstructions(sim_);
}

std::vector<QByteArray> ModelRig::receivedData(int instruction) const {
    return orfa::test::receivedData(sim_, instruction);
}
