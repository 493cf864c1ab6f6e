#pragma once

#include "link/Command.h"
#include "link/Signature.h"

#include <tuple>
#include <vector>

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

// The items a setting frame changes: every output a level command (65)
// addresses, the output of a source command (66), the master volume (64), the
// parameter of 67, the power (165). Empty for every other frame: requests,
// presets, the radio and the schedule.
std::vector<AmpItem> itemsSetBy(const link::Bytes& frame);

// The builder of the request whose answer carries the item's value: 81, 82,
// 80, 83 or 171.
using RequestBuilder = link::Command (*)(link::SignatureCounter&);
RequestBuilder requestReading(AmpItem::Kind kind);

} // namespace orfa::model
