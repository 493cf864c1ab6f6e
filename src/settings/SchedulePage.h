#pragma once

#include "link/WeeklySchedule.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QTableWidget;

namespace orfa::settings {

// The page "Plánovač": the amplifier's weekly on/off schedule. The grid `scheduleGrid` has a
// header row ("Zapnuto Od", "Zapnuto Do") and a row per weekday, Monday first; column 0 holds
// the day names, columns 1 and 2 the switch-on and switch-off times as text ("7:05"). Every
// cell below the header can be edited.
class SchedulePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kOnColumn = 1;
    static constexpr int kOffColumn = 2;

    explicit SchedulePage(QWidget* parent = nullptr);

    // "Pondělí" for day 1 ... "Neděle" for day 7.
    static QString dayName(int day);

    // Shows a schedule as the amplifier sent it: the in-operation flag, and the times of the
    // weekdays it has records for; the rows of the others keep their text.
    void showSchedule(const link::ReceivedSchedule& schedule);

    // The text of column kOnColumn or kOffColumn in the row of day 1..7.
    QString cellText(int column, int day) const;
    bool inOperation() const;

    QTableWidget* grid() const { return grid_; }

Q_SIGNALS:
    void loadClicked();  // "Načti plánovač"
    void storeClicked(); // "Ulož plánovač"

private:
    void setCellText(int column, int day, const QString& text);

    QTableWidget* grid_ = nullptr;
    QCheckBox* inOperationBox_ = nullptr;
};

} // namespace orfa::settings
