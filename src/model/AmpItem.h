#pragma once

#include <tuple>

namespace orfa::model {

// One value of the amplifier that a setting changes and a request reads back:
// what an "unconfirmed" mark stands for.
struct AmpItem {
    enum class Kind { OutputLevel, OutputSource, MasterVolume, InputParameter, Power };

    Kind kind = Kind::Power;
    int number = 0;    // output 1..16 or input box 1..5; 0 for master volume and power
    int parameter = 0; // input parameter 1..6 (1 gain, 2..6 bands); 0 otherwise

    static AmpItem outputLevel(int output) { return {Kind::OutputLevel, output, 0}; }
    static AmpItem outputSource(int output) { return {Kind::OutputSource, output, 0}; }
    static AmpItem masterVolume() { return {Kind::MasterVolume, 0, 0}; }
    static AmpItem inputParameter(int box, int parameter) {
        return {Kind::InputParameter, box, parameter};
    }
    static AmpItem power() { return {Kind::Power, 0, 0}; }

    friend bool operator==(const AmpItem&, const AmpItem&) = default;
    friend bool operator<(const AmpItem& a, const AmpItem& b) {
        return std::tie(a.kind, a.number, a.parameter) < std::tie(b.kind, b.number, b.parameter);
    }
};

} // namespace orfa::model
