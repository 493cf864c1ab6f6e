#include "link/CommandName.h"

#include "link/Instructions.h"
#include "spinel/Spinel97.h"

namespace orfa::link {

QString commandName(const Bytes& frame) {
    if (frame.size() <= spinel::kFrame97InstructionOffset)
        return QStringLiteral("a frame");
    const std::uint8_t instruction = frame[spinel::kFrame97InstructionOffset];
    const std::string_view name = instructionName(instruction);
    return name.empty() ? QStringLiteral("instruction %1").arg(static_cast<int>(instruction))
                        : QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace orfa::link
