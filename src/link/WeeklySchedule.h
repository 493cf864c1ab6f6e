#pragma once

#include "link/Instructions.h"
#include "link/TimeText.h"
#include "spinel/SpinelCore.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orfa::link {

using spinel::Bytes;

// One weekday of the schedule: the amplifier is on from `on` until `off`.
struct ScheduleDay {
    TimeOfDay on;
    TimeOfDay off;
    friend bool operator==(const ScheduleDay&, const ScheduleDay&) = default;
};

// A whole schedule as stored: weekdays 1 (Monday) .. 7 (Sunday) at indices 0..6.
struct WeeklySchedule {
    bool inOperation = false;
    std::array<ScheduleDay, kWeekdayCount> days{};
    friend bool operator==(const WeeklySchedule&, const WeeklySchedule&) = default;
};

// A schedule as read from the amplifier: only the weekdays that a record
// named are filled; the rows of the others stay as they were.
struct ReceivedSchedule {
    bool inOperation = false;
    std::array<std::optional<ScheduleDay>, kWeekdayCount> days{};
};

inline constexpr std::uint8_t kScheduleInOperation = 0xFF;
inline constexpr std::uint8_t kScheduleOutOfOperation = 0x00;
inline constexpr std::size_t kScheduleRecordSize = 5;
inline constexpr std::size_t kSchedulePayloadSize = 1 + kScheduleRecordSize * kWeekdayCount;

// The 36 data bytes of command 164 and of the answer to 170: the flag (0xFF
// in operation, 0x00 not), then for d = 1..7 the record d, on hour, on
// minute, off hour, off minute. The times go out as given.
Bytes weeklySchedulePayload(const WeeklySchedule& schedule);

// Reads a payload: the flag is in operation exactly when byte 0 is 0xFF;
// five-byte records follow from byte 1 as long as a whole record is there,
// each filling the weekday its own day byte names (1..7; records naming
// another day are skipped). Empty when there is not even the flag byte.
std::optional<ReceivedSchedule> scheduleFromPayload(const Bytes& data);

// The answer to request 170, read from its data bytes as above.
std::optional<ReceivedSchedule> decodeScheduleAnswer(const Bytes& frame);

} // namespace orfa::link
