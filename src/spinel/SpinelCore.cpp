#include "spinel/SpinelCore.h"

namespace orfa::spinel {

std::uint8_t checksum(ByteView bytes) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : bytes)
        sum = static_cast<std::uint8_t>(sum + b);
    return static_cast<std::uint8_t>(0xFF - sum);
}

} // namespace orfa::spinel
