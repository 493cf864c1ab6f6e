#include "mqtt/CommandPayload.h"

namespace orfa::mqtt {

std::optional<bool> parseSwitch(const QByteArray& payload) {
    const QByteArray word = payload.trimmed().toUpper();
    if (word == "ON")
        return true;
    if (word == "OFF")
        return false;
    return std::nullopt;
}

std::optional<int> parseWholeNumber(const QByteArray& payload, int low, int high) {
    QByteArray text = payload.trimmed();
    // A fraction of zeros only, as in "12.0" or "-5.00".
    if (const qsizetype dot = text.indexOf('.'); dot >= 0) {
        const QByteArray fraction = text.mid(dot + 1);
        if (fraction.isEmpty() || fraction.count('0') != fraction.size())
            return std::nullopt;
        text.truncate(dot);
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace orfa::mqtt
