#include "support/SimulatorRig.h"

#include "link/AmpLink.h"
#include "support/WriteSettingsFile.h"

#include <QTest>

namespace orfa::test {

SimulatorRig::SimulatorRig() {
    if (!sim_.listen())
        qFatal("the simulator cannot listen on 127.0.0.1");
}

QStringList SimulatorRig::addressLines() const {
    return loopbackAddressLines(sim_.port());
}

QStringList SimulatorRig::linkLines() const {
    return addressLines() << QStringLiteral("ProdlevaE=%1").arg(kSendDelayMs);
}

QStringList SimulatorRig::everythingOnLines() const {
    return loopbackAmplifierLines(sim_.port());
}

void SimulatorRig::pointAtSimulator(link::AmpLink& link) const {
    link.setAddress(QStringLiteral("127.0.0.1"), QString::number(sim_.port()));
    link.setSendDelay(kSendDelayMs);
}

bool SimulatorRig::waitForIdle(const link::AmpLink& link, int timeoutMs) {
    return QTest::qWaitFor([&link] { return link.isIdle(); }, timeoutMs);
}

bool SimulatorRig::settle(const link::AmpLink& link, int timeoutMs) {
    const bool idle = waitForIdle(link, timeoutMs);
    sim_.clearReceivedFrames();
    return idle;
}

bool SimulatorRig::waitForFrames(std::size_t count, int timeoutMs) const {
    return QTest::qWaitFor([this, count] { return sim_.receivedFrames().size() >= count; },
                           timeoutMs);
}

std::vector<QByteArray> SimulatorRig::receivedCommands() const {
    std::vector<QByteArray> frames;
    for (const sim::ReceivedFrame& f : sim_.receivedFrames()) {
        if (frames.empty() || frames.back() != f.frame)
            frames.push_back(f.frame);
    }
    return frames;
}

std::vector<int> SimulatorRig::receivedInstructions() const {
    std::vector<int> codes;
    for (const QByteArray& frame : receivedCommands())
        codes.push_back(frame.size() > 6 ? static_cast<unsigned char>(frame.at(6)) : -1);
    return codes;
}

std::vector<QByteArray> SimulatorRig::receivedData(int instruction) const {
    std::vector<QByteArray> data;
    for (const QByteArray& frame : receivedCommands()) {
        if (frame.size() >= 9 && static_cast<unsigned char>(frame.at(6)) == instruction)
            data.push_back(frame.mid(7, frame.size() - 9));
    }
    return data;
}

} // namespace orfa::test
