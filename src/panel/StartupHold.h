#pragma once

namespace orfa::panel {

// Keeps the panel quiet until its start-up sequence has ended: while it holds,
// the bindings hand none of the operator's acts to the amplifier and the
// window asks it for nothing. The power switch is never held back. Holds from
// its creation; release() ends it for good.
class StartupHold {
public:
    bool holds() const { return holding_; }
    void release() { holding_ = false; }

private:
    bool holding_ = true;
};

} // namespace orfa::panel
