#pragma once

#include "sim/AmpSimulator.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace orfa::link {
class AmpLink;
}

namespace orfa::test {

// The amplifier simulator listening on loopback, which every area's rig puts
// its program in front of: the settings lines and the link settings that point
// at it, waiting for a link to have nothing left to send, and what the
// simulator received, read the way the tests compare it. The area rigs derive
// from it, so the simulator outlives whatever they build over it.
class SimulatorRig {
public:
    // The send delay the rigs give their programs: short, so that tests run fast.
    static constexpr int kSendDelayMs = 20;

    // Listens on 127.0.0.1 at a free port; a test cannot run without it.
    SimulatorRig();

    sim::AmpSimulator& sim() { return sim_; }
    const sim::AmpSimulator& sim() const { return sim_; }

    // Lines of section [Orfa]: the simulator's address and port ...
    QStringList addressLines() const;
    // ... with the rigs' send delay ...
    QStringList linkLines() const;
    // ... or with every input and output switched on.
    QStringList everythingOnLines() const;
    // Points a link at the simulator with the rigs' send delay.
    void pointAtSimulator(link::AmpLink& link) const;

    // Waits until the link's queue is empty and nothing is in flight:
    // everything sent was answered or dropped.
    static bool waitForIdle(const link::AmpLink& link, int timeoutMs = 5000);
    // Waits for an idle link, then forgets what the simulator received so far.
    bool settle(const link::AmpLink& link, int timeoutMs = 5000);
    // Waits until the simulator has received at least count frames.
    bool waitForFrames(std::size_t count, int timeoutMs = 5000) const;

    // The frames the simulator received, a frame repeated because its answer
    // came late counted once.
    std::vector<QByteArray> receivedCommands() const;
    // Instruction codes of those commands, in order.
    std::vector<int> receivedInstructions() const;
    // Data bytes of those commands with this instruction.
    std::vector<QByteArray> receivedData(int instruction) const;

private:
    sim::AmpSimulator sim_;
};

} // namespace orfa::test
