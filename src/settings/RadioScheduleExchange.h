#pragma once

#include "link/RadioMemories.h"
#include "link/WeeklySchedule.h"

#include <QList>
#include <QMetaObject>
#include <QString>

#include <optional>

namespace orfa::model {
class AmpControl;
class AmplifierModel;
} // namespace orfa::model

namespace orfa::settings {

class MessageSink;
class RadioPage;
class SchedulePage;

// Carries the radio memories and the weekly schedule between the amplifier model and the
// pages "Rádio" and "Plánovač": the model's control requests them (172, 170) and stores them
// (167, 164); the model reads the answers, and the pages show what it then holds.
//
// A store first reads every field of its page; a field that does not hold what the
// amplifier can take refuses the whole store with a message naming the field, and then
// nothing is queued and the signature counter is not moved.
class RadioScheduleExchange {
public:
    // All five must outlive this object.
    RadioScheduleExchange(model::AmplifierModel& amplifier, model::AmpControl& control,
                          RadioPage& radio, SchedulePage& schedule, MessageSink& messages);
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

private:
    // The memories, and the in-operation flag and the times of the weekdays an answer named,
    // as the model holds them after the answer.
    void showRadioMemories();
    void showSchedule(const QList<int>& days);
    // What the page holds, or nothing after telling the operator which field or cell is
    // wrong.
    std::optional<link::RadioMemories> collectMemories();
    std::optional<link::WeeklySchedule> collectSchedule();
    void refuse(const QString& text);

    model::AmplifierModel& amplifier_;
    model::AmpControl& control_;
    RadioPage& radio_;
    SchedulePage& schedule_;
    MessageSink& messages_;
    QMetaObject::Connection memoriesRead_;
    QMetaObject::Connection scheduleRead_;
};

} // namespace orfa::settings
