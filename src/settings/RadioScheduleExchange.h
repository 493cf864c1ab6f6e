#pragma once

#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"
#include "spinel/SpinelCore.h"

#include <QString>

#include <optional>

namespace orfa::link {
class AmpLink;
}

namespace orfa::settings {

class MessageSink;
class RadioPage;
class SchedulePage;

// Carries the radio memories and the weekly schedule between the amplifier and the pages
// "Rádio" and "Plánovač": requests 172 and 170, their answers, and the stores 167 and 164.
//
// A store first reads every field of its page; a field that does not hold what the
// amplifier can take refuses the whole store with a message naming the field, and then
// nothing is queued and the signature counter is not moved.
class RadioScheduleExchange {
public:
    // All four must outlive this object.
    RadioScheduleExchange(link::AmpLink& link, RadioPage& radio, SchedulePage& schedule,
                          MessageSink& messages);
    // Detaches.
    ~RadioScheduleExchange();
    RadioScheduleExchange(const RadioScheduleExchange&) = delete;
    RadioScheduleExchange& operator=(const RadioScheduleExchange&) = delete;

    // From attach() to detach() the answers to 172 and 170 fill the pages. Answers arriving
    // at other times are not shown.
    void attach();
    void detach();

    void readRadioMemories();  // queues request 172
    void storeRadioMemories(); // queues command 167, unless a field is refused
    void readSchedule();       // queues request 170
    void storeSchedule();      // queues command 164, unless a cell is refused

    // The answers as the link hands them over (whole frames).
    void showRadioMemories(const spinel::Bytes& frame);
    void showSchedule(const spinel::Bytes& frame);

    // What the page "Rádio" holds, or nothing after telling the operator which field is
    // wrong.
    std::optional<link::RadioMemories> collectMemories();
    // What the page "Plánovač" holds, or nothing after telling the operator which cell is
    // wrong.
    std::optional<link::WeeklySchedule> collectSchedule();

private:
    void refuse(const QString& text);

    link::AmpLink& link_;
    RadioPage& radio_;
    SchedulePage& schedule_;
    MessageSink& messages_;
    bool attached_ = false;
};

} // namespace orfa::settings
