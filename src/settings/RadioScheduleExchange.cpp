#include "settings/RadioScheduleExchange.h"

#include "link/Instructions.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "settings/MessageSink.h"
#include "settings/RadioPage.h"
#include "settings/SchedulePage.h"
#include "settings/SettingsCaption.h"
#include "settings/SettingsLog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>

namespace orfa::settings {
namespace {

// "ve středu": the weekday as the messages name it.
QString onDay(int day) {
    static const QString forms[link::kWeekdayCount] = {
        QStringLiteral("v pondělí"),  QStringLiteral("v úterý"), QStringLiteral("ve středu"),
        QStringLiteral("ve čtvrtek"), QStringLiteral("v pátek"), QStringLiteral("v sobotu"),
        QStringLiteral("v neděli")};
    return forms[day - 1];
}

} // namespace

RadioScheduleExchange::RadioScheduleExchange(model::AmplifierModel& amplifier,
                                             model::AmpControl& control, RadioPage& radio,
                                             SchedulePage& schedule, MessageSink& messages)
    : amplifier_(amplifier)
    , control_(control)
    , radio_(radio)
    , schedule_(schedule)
    , messages_(messages) {}

RadioScheduleExchange::~RadioScheduleExchange() {
    detach();
}

void RadioScheduleExchange::attach() {
    detach();
    memoriesRead_ = QObject::connect(&amplifier_, &model::AmplifierModel::radioMemoriesRead,
                                     &radio_, [this] { showRadioMemories(); });
    scheduleRead_ = QObject::connect(&amplifier_, &model::AmplifierModel::scheduleRead, &schedule_,
                                     [this](const QList<int>& days) { showSchedule(days); });
}

void RadioScheduleExchange::detach() {
    QObject::disconnect(memoriesRead_);
    QObject::disconnect(scheduleRead_);
}

void RadioScheduleExchange::readRadioMemories() {
    control_.read({model::Reading::RadioMemories});
}

void RadioScheduleExchange::readSchedule() {
    control_.read({model::Reading::Schedule});
}

void RadioScheduleExchange::storeRadioMemories() {
    if (const auto memories = collectMemories())
        control_.storeRadioMemories(*memories);
}

void RadioScheduleExchange::storeSchedule() {
    if (const auto schedule = collectSchedule())
        control_.storeSchedule(*schedule);
}

void RadioScheduleExchange::showRadioMemories() {
    link::RadioMemories memories{};
    for (int k = 1; k <= link::kRadioMemoryCount; ++k)
        memories.at(static_cast<std::size_t>(k - 1)) = amplifier_.radioMemory(k);
    radio_.showMemories(memories);
}

// Rows of weekdays the answer did not name keep their text, typed or received.
void RadioScheduleExchange::showSchedule(const QList<int>& days) {
    const link::WeeklySchedule& held = amplifier_.schedule();
    link::ReceivedSchedule shown;
    shown.inOperation = held.inOperation;
    for (const int day : days)
        shown.days.at(static_cast<std::size_t>(day - 1)) =
            held.days.at(static_cast<std::size_t>(day - 1));
    schedule_.showSchedule(shown);
}

std::optional<link::RadioMemories> RadioScheduleExchange::collectMemories() {
    link::RadioMemories memories{};
    for (int k = 1; k <= link::kRadioMemoryCount; ++k) {
        QLineEdit* field = radio_.frequencyField(k);
        const link::ParsedFrequency parsed = link::parseFrequency(field->text());
        if (!parsed.ok()) {
            refuse(QStringLiteral("Frekvence paměti %1 musí být číslo jako 104.5 (méně než "
                                  "128 MHz).")
                       .arg(k));
            field->setFocus();
            field->selectAll();
            return std::nullopt;
        }
        memories.at(static_cast<std::size_t>(k - 1)) =
            link::RadioMemory{parsed.frequency, radio_.stereoBox(k)->isChecked()};
    }
    return memories;
}

std::optional<link::WeeklySchedule> RadioScheduleExchange::collectSchedule() {
    link::WeeklySchedule schedule;
    schedule.inOperation = schedule_.inOperation();
    for (int day = 1; day <= link::kWeekdayCount; ++day) {
        link::ScheduleDay& times = schedule.days.at(static_cast<std::size_t>(day - 1));
        for (const int column : {SchedulePage::kOnColumn, SchedulePage::kOffColumn}) {
            const auto time = link::parseScheduleTime(schedule_.cellText(column, day));
            if (!time) {
                refuse(QStringLiteral("Čas %1 %2 musí být ve tvaru 7:30.")
                           .arg(column == SchedulePage::kOnColumn ? QStringLiteral("zapnutí")
                                                                  : QStringLiteral("vypnutí"),
                                onDay(day)));
                schedule_.grid()->setCurrentCell(day - 1, column);
                return std::nullopt;
            }
            (column == SchedulePage::kOnColumn ? times.on : times.off) = *time;
        }
    }
    return schedule;
}

void RadioScheduleExchange::refuse(const QString& text) {
    qCInfo(lcSettings) << "store refused:" << text;
    messages_.showMessage(MessageIcon::Warning, settingsCaption(), text);
}

} // namespace orfa::settings
