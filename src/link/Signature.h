#pragma once

#include <cstdint>

namespace orfa::link {

// The signature byte of the last frame built, shared by every sender.
//
// Requests carry their own instruction code as signature, so each kind of
// request has a fixed one and its answer is routed by it. Settings and the
// power command take the next value, skipping the request signatures 80-83
// and 170-173: otherwise a setting's answer could be taken for a request's
// data, and a power command sharing the previous frame's signature would be
// removed from the queue by that frame's answer before it is ever sent.
class SignatureCounter {
public:
    std::uint8_t current() const { return value_; }

    // A request: the signature becomes the request's own code.
    std::uint8_t forRequest(std::uint8_t instruction) {
        value_ = instruction;
        return value_;
    }

    // A setting or the power command: the next free value, wrapping at 255.
    std::uint8_t next() {
        do {
            value_ = static_cast<std::uint8_t>(value_ + 1);
        } while (isRequestSignature(value_));
        return value_;
    }

    static constexpr bool isRequestSignature(std::uint8_t s) {
        return (s >= 80 && s <= 83) || (s >= 170 && s <= 173);
    }

private:
    std::uint8_t value_ = 0;
};

} // namespace orfa::link
