#include "settings/SchedulePage.h"

#include "settings/PageButton.h"
#include "settings/ScheduleGrid.h"

#include "link/Instructions.h"
#include "link/TimeText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orfa::settings {
namespace {

// accessibleName: what the cell is; a screen reader hears it before the cell's text.
QTableWidgetItem* newCell(const QString& text, const QString& accessibleName = QString()) {
    auto* item = new QTableWidgetItem(text);
    if (!accessibleName.isEmpty())
        item->setData(Qt::AccessibleTextRole, accessibleName);
    return item;
}

} // namespace

QString SchedulePage::dayName(int day) {
    static const QString names[link::kWeekdayCount] = {
        QStringLiteral("Pondělí"), QStringLiteral("Úterý"), QStringLiteral("Středa"),
        QStringLiteral("Čtvrtek"), QStringLiteral("Pátek"), QStringLiteral("Sobota"),
        QStringLiteral("Neděle")};
    return day >= 1 && day <= link::kWeekdayCount ? names[day - 1] : QString();
}

SchedulePage::SchedulePage(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    grid_ = new ScheduleGrid(link::kWeekdayCount, 3, this);
    grid_->setObjectName(QStringLiteral("scheduleGrid"));
    grid_->setAccessibleName(QStringLiteral("Plánovač"));
    grid_->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Zapnuto Od"), QStringLiteral("Zapnuto Do")});
    grid_->verticalHeader()->hide();
    // Arrows move between the cells; Tab goes on to the next control.
    grid_->setTabKeyNavigation(false);
    for (int day = 1; day <= link::kWeekdayCount; ++day) {
        const QString name = dayName(day);
        grid_->setItem(day - 1, 0, newCell(name));
        grid_->setItem(day - 1, kOnColumn,
                       newCell(QString(), QStringLiteral("Zapnuto od – %1").arg(name)));
        grid_->setItem(day - 1, kOffColumn,
                       newCell(QString(), QStringLiteral("Zapnuto do – %1").arg(name)));
    }
    layout->addWidget(grid_);
    inOperationBox_ = new QCheckBox(QStringLiteral("Plánovač v provozu"), this);
    inOperationBox_->setObjectName(QStringLiteral("inOperationBox"));
    layout->addWidget(inOperationBox_);
    auto* buttons = new QHBoxLayout;
    connect(addPageButton(this, buttons, QStringLiteral("readScheduleButton"),
                          QStringLiteral("Načti plánovač")),
            &QPushButton::clicked, this, &SchedulePage::loadClicked);
    connect(addPageButton(this, buttons, QStringLiteral("storeScheduleButton"),
                          QStringLiteral("Ulož plánovač")),
            &QPushButton::clicked, this, &SchedulePage::storeClicked);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void SchedulePage::showSchedule(const link::ReceivedSchedule& schedule) {
    inOperationBox_->setChecked(schedule.inOperation);
    for (int day = 1; day <= link::kWeekdayCount; ++day) {
        const auto& times = schedule.days.at(static_cast<std::size_t>(day - 1));
        if (!times)
            continue;
        setCellText(kOnColumn, day, link::scheduleTimeText(times->on.hour, times->on.minute));
        setCellText(kOffColumn, day, link::scheduleTimeText(times->off.hour, times->off.minute));
    }
}

QString SchedulePage::cellText(int column, int day) const {
    const QTableWidgetItem* cell = grid_->item(day - 1, column);
    return cell ? cell->text() : QString();
}

bool SchedulePage::inOperation() const {
    return inOperationBox_->isChecked();
}

void SchedulePage::setCellText(int column, int day, const QString& text) {
    if (QTableWidgetItem* cell = grid_->item(day - 1, column))
        cell->setText(text);
}

} // namespace orfa::settings
