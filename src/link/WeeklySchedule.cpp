#include "link/WeeklySchedule.h"

#include "link/AnswerDecoder.h"

namespace orfa::link {

Bytes weeklySchedulePayload(const WeeklySchedule& schedule) {
    Bytes data;
    data.reserve(kSchedulePayloadSize);
    data.push_back(schedule.inOperation ? kScheduleInOperation : kScheduleOutOfOperation);
    for (std::size_t i = 0; i < schedule.days.size(); ++i) {
        const ScheduleDay& day = schedule.days[i];
        data.push_back(static_cast<std::uint8_t>(i + 1));
        data.push_back(day.on.hour);
        data.push_back(day.on.minute);
        data.push_back(day.off.hour);
        data.push_back(day.off.minute);
    }
    return data;
}

std::optional<ReceivedSchedule> scheduleFromPayload(const Bytes& data) {
    if (data.empty())
        return std::nullopt;
    ReceivedSchedule schedule;
    schedule.inOperation = data[0] == kScheduleInOperation;
    for (std::size_t at = 1; at + kScheduleRecordSize <= data.size(); at += kScheduleRecordSize) {
        const int day = data[at];
        if (day < 1 || day > kWeekdayCount)
            continue;
        schedule.days[static_cast<std::size_t>(day - 1)] =
            ScheduleDay{{data[at + 1], data[at + 2]}, {data[at + 3], data[at + 4]}};
    }
    return schedule;
}

std::optional<ReceivedSchedule> decodeScheduleAnswer(const Bytes& frame) {
    return scheduleFromPayload(answerData(frame));
}

} // namespace orfa::link
