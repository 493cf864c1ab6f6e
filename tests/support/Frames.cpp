#include "support/Frames.h"

namespace orfa::test {

spinel::Bytes frame(std::uint8_t signature, std::uint8_t instruction, const spinel::Bytes& data) {
    return spinel::makeFrame97(1, signature, instruction, data);
}

spinel::Bytes answer(std::uint8_t signature, const spinel::Bytes& data) {
    return frame(signature, 0, data);
}

QByteArray rawAnswer(std::uint8_t signature, const spinel::Bytes& data) {
    return raw(answer(signature, data));
}

spinel::Bytes bytes(std::initializer_list<int> values) {
    spinel::Bytes out;
    for (const int value : values)
        out.push_back(static_cast<std::uint8_t>(value));
    return out;
}

QByteArray raw(const spinel::Bytes& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

} // namespace orfa::test
