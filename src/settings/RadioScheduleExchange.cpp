#include "settings/RadioScheduleExchange.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "link/Instructions.h"
#include "settings/MessageSink.h"
#include "settings/RadioPage.h"
#include "settings/SchedulePage.h"
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

RadioScheduleExchange::RadioScheduleExchange(link::AmpLink& link, RadioPage& radio,
                                             SchedulePage& schedule, MessageSink& messages)
    : link_(link)
    , radio_(radio)
    , schedule_(schedule)
    , messages_(messages) {}

RadioScheduleExchange::~RadioScheduleExchange() {
    detach();
}

void RadioScheduleExchange::attach() {
    link_.setDisplayHandler(link::kReadRadioMemories,
                            [this](const spinel::Bytes& frame) { showRadioMemories(frame); });
    link_.setDisplayHandler(link::kReadSchedule,
                            [this](const spinel::Bytes& frame) { showSchedule(frame); });
    attached_ = true;
}

void RadioScheduleExchange::detach() {
    if (!attached_)
        return;
    link_.clearDisplayHandler(link::kReadRadioMemories);
    link_.clearDisplayHandler(link::kReadSchedule);
    attached_ = false;
}

void RadioScheduleExchange::readRadioMemories() {
    link_.send(link::buildReadRadioMemories(link_.signature()));
}

void RadioScheduleExchange::readSchedule() {
    link_.send(link::buildReadSchedule(link_.signature()));
}

void RadioScheduleExchange::storeRadioMemories() {
    if (const auto memories = collectMemories())
        link_.send(link::buildStoreRadioMemories(link_.signature(), *memories));
}

void RadioScheduleExchange::storeSchedule() {
    if (const auto schedule = collectSchedule())
        link_.send(link::buildStoreSchedule(link_.signature(), *schedule));
}

void RadioScheduleExchange::showRadioMemories(const spinel::Bytes& frame) {
    if (const auto memories = link::decodeRadioMemoriesAnswer(frame))
        radio_.showMemories(*memories);
    else
        qCDebug(lcSettings) << "radio memories answer ignored," << frame.size() << "bytes";
}

void RadioScheduleExchange::showSchedule(const spinel::Bytes& frame) {
    if (const auto schedule = link::decodeScheduleAnswer(frame))
        schedule_.showSchedule(*schedule);
    else
        qCDebug(lcSettings) << "schedule answer ignored," << frame.size() << "bytes";
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
    messages_.showMessage(MessageIcon::Warning, QStringLiteral("Nastavení"), text);
}

} // namespace orfa::settings
