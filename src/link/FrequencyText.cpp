#include "link/FrequencyText.h"

namespace orfa::link {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c) {
    return c.unicode() - u'0';
}

// Hundredths from the digits after the point, rounded half to even. The
// digits beyond the second decide the rounding: above a half rounds up,
// exactly a half rounds to the even neighbour, below rounds down.
int roundedHundredths(QStringView fraction) {
    int hundredths = 0;
    for (qsizetype i = 0; i < 2; ++i)
        hundredths = hundredths * 10 + (i < fraction.size() ? digitValue(fraction[i]) : 0);
    if (fraction.size() <= 2)
        return hundredths;
    const QStringView rest = fraction.mid(2);
    const int first = digitValue(rest[0]);
    bool anyBeyond = false;
    for (qsizetype i = 1; i < rest.size(); ++i)
        anyBeyond = anyBeyond || rest[i] != u'0';
    const bool up = first > 5 || (first == 5 && (anyBeyond || hundredths % 2 == 1));
    return up ? hundredths + 1 : hundredths;
}

} // namespace

QString frequencyText(RadioFrequency frequency) {
    const int total = frequency.mhz * 100 + frequency.hundredths;
    QString text = QString::number(total / 100);
    int fraction = total % 100;
    if (fraction == 0)
        return text;
    text += u'.';
    text += QChar(u'0' + fraction / 10);
    if (fraction % 10 != 0)
        text += QChar(u'0' + fraction % 10);
    return text;
}

ParsedFrequency parseFrequency(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.startsWith(u'-'))
        return {{}, FrequencyError::OutOfRange};
    const qsizetype point = trimmed.indexOf(u'.');
    const QStringView whole = point < 0 ? trimmed : trimmed.left(point);
    const QStringView fraction = point < 0 ? QStringView() : trimmed.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return {{}, FrequencyError::NotANumber};
    for (const QStringView part : {whole, fraction}) {
        for (const QChar c : part) {
            if (!isDigit(c))
                return {{}, FrequencyError::NotANumber};
        }
    }
    int mhz = 0;
    for (const QChar c : whole) {
        mhz = mhz * 10 + digitValue(c);
        if (mhz >= kFrequencyMhzLimit)
            return {{}, FrequencyError::OutOfRange};
    }
    const int hundredths = roundedHundredths(fraction);
    return {{static_cast<std::uint8_t>(mhz), static_cast<std::uint8_t>(hundredths)},
            FrequencyError::None};
}

} // namespace orfa::link
