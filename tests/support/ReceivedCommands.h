#pragma once

#include "sim/AmpSimulator.h"

#include <QByteArray>

#include <vector>

// What the simulator received, read the way the tests compare it.
namespace orfa::test {

// The frames the simulator received, a frame repeated because its answer
// came late counted once.
inline std::vector<QByteArray> receivedCommands(const sim::AmpSimulator& amp) {
    std::vector<QByteArray> frames;
    for (const sim::ReceivedFrame& f : amp.receivedFrames()) {
        if (frames.empty() || frames.back() != f.frame)
            frames.push_back(f.frame);
    }
    return frames;
}

// Instruction codes of those commands, in order.
inline std::vector<int> receivedInstructions(const sim::AmpSimulator& amp) {
    std::vector<int> codes;
    for (const QByteArray& frame : receivedCommands(amp))
        codes.push_back(frame.size() > 6 ? static_cast<unsigned char>(frame.at(6)) : -1);
    return codes;
}

// Data bytes of those commands with this instruction.
inline std::vector<QByteArray> receivedData(const sim::AmpSimulator& amp, int instruction) {
    std::vector<QByteArray> data;
    for (const QByteArray& frame : receivedCommands(amp)) {
        if (frame.size() >= 9 && static_cast<unsigned char>(frame.at(6)) == instruction)
            data.push_back(frame.mid(7, frame.size() - 9));
    }
    return data;
}

} // namespace orfa::test
