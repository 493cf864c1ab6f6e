#include "config/IniNumber.h"

#include <limits>

namespace orfa::config::IniNumber {

std::optional<qint32> parseDecimal(QStringView text) {
    qsizetype pos = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        pos = 1;
    }
    if (pos == text.size())
        return std::nullopt;

    // Accumulate as a magnitude so that the most negative value still fits.
    const qint64 limit = negative ? -qint64{std::numeric_limits<qint32>::min()}
                                  : qint64{std::numeric_limits<qint32>::max()};
    qint64 magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

std::optional<qint32> parseInteger(QStringView text) {
    const bool hex = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
    if (!hex)
        return parseDecimal(text);

    quint64 value = 0;
    for (qsizetype pos = 2; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        unsigned digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = static_cast<unsigned>(c - u'0');
        else if (c >= u'a' && c <= u'f')
            digit = static_cast<unsigned>(c - u'a' + 10);
        else if (c >= u'A' && c <= u'F')
            digit = static_cast<unsigned>(c - u'A' + 10);
        else
            return std::nullopt;
        value = value * 16 + digit;
        if (value > std::numeric_limits<quint32>::max())
            return std::nullopt;
    }
    return static_cast<qint32>(static_cast<quint32>(value));
}

} // namespace orfa::config::IniNumber
