#include "link/TimeText.h"

#include <QList>

namespace orfa::link {

namespace {

constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kMinuteStep = 10;

// A field of one or two decimal digits below the limit, or -1.
int timeField(QStringView field, int limit) {
    if (field.isEmpty() || field.size() > 2)
        return -1;
    int value = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value < limit ? value : -1;
}

} // namespace

std::optional<TimeOfDay> parseScheduleTime(QStringView text) {
    const QList<QStringView> fields = text.trimmed().split(u':');
    if (fields.size() != 2 && fields.size() != 3)
        return std::nullopt;
    const int hour = timeField(fields[0], kHoursPerDay);
    const int minute = timeField(fields[1], kMinutesPerHour);
    const int second = fields.size() == 3 ? timeField(fields[2], kMinutesPerHour) : 0;
    if (hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    return TimeOfDay{static_cast<std::uint8_t>(hour),
                     static_cast<std::uint8_t>(minute / kMinuteStep * kMinuteStep)};
}

QString scheduleTimeText(int hour, int minute) {
    return QString::number(hour) + u':' + twoDigitText(minute);
}

QString twoDigitText(int value) {
    QString text = QString::number(value);
    if (text.size() == 1)
        text.prepend(u'0');
    return text;
}

} // namespace orfa::link
