#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace orfa::link {

// A switch-on or switch-off time of the weekly schedule.
struct TimeOfDay {
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// Parses "H:MM" or "H:MM:SS" (one or two digits per field, surrounding
// spaces allowed; hour 0..23, minute and second 0..59). The amplifier keeps
// minutes in steps of ten, so the minute is rounded down to tens and seconds
// are dropped: "7:25" -> 7:20, "18:59:30" -> 18:50. Empty for any other text.
std::optional<TimeOfDay> parseScheduleTime(QStringView text);

// The hour without leading zero, ':', the minute in two digits: "7:05".
QString scheduleTimeText(int hour, int minute);

// A whole number in decimal with a '0' put in front when that gives one
// character: 5 -> "05", 30 -> "30".
QString twoDigitText(int value);

} // namespace orfa::link
