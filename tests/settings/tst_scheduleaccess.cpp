// The schedule grid through the accessibility interface, as a screen reader
// reaches it: every cell says what it is and the time it holds, a time can be
// changed as text, and the children are numbered as Qt's table views number
// them in their focus events.
#include "settings/SchedulePage.h"

#include <QAccessible>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

using namespace orfa;

namespace {

// Monday 7:05 to 18:30; no record for the other days.
link::ReceivedSchedule mondayOnly() {
    link::ReceivedSchedule schedule;
    schedule.days[0] = link::ScheduleDay{{7, 5}, {18, 30}};
    return schedule;
}

QAccessibleInterface* gridInterface(const settings::SchedulePage& page) {
    return QAccessible::queryAccessibleInterface(page.grid());
}

// Cell of day 1..7 in column 0 (day name), 1 (on) or 2 (off).
QAccessibleInterface* cell(const settings::SchedulePage& page, int day, int column) {
    QAccessibleInterface* grid = gridInterface(page);
    return grid && grid->tableInterface() ? grid->tableInterface()->cellAt(day - 1, column)
                                          : nullptr;
}

} // namespace

class TestScheduleAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsSayWhatTheyHold();
    void timesAreEditedAsText_data();
    void timesAreEditedAsText();
    void childrenAreNumberedAsQtNumbersThem();
};

void TestScheduleAccess::cellsSayWhatTheyHold() {
    settings::SchedulePage page;
    page.showSchedule(mondayOnly());
    QAccessibleInterface* grid = gridInterface(page);
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::Table);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Plánovač"));
    QCOMPARE(grid->tableInterface()->rowCount(), 7);
    QCOMPARE(grid->tableInterface()->columnDescription(1), QStringLiteral("Zapnuto Od"));

    QAccessibleInterface* mondayOn = cell(page, 1, 1);
    QVERIFY(mondayOn);
    QCOMPARE(mondayOn->role(), QAccessible::Cell);
    QCOMPARE(mondayOn->text(QAccessible::Name), QStringLiteral("Zapnuto od – Pondělí: 7:05"));
    QCOMPARE(mondayOn->text(QAccessible::Value), QStringLiteral("7:05"));
    QCOMPARE(mondayOn->textInterface()->text(0, mondayOn->textInterface()->characterCount()),
             QStringLiteral("7:05"));
    QCOMPARE(cell(page, 1, 2)->text(QAccessible::Name),
             QStringLiteral("Zapnuto do – Pondělí: 18:30"));
    QCOMPARE(cell(page, 2, 2)->text(QAccessible::Name), QStringLiteral("Zapnuto do – Úterý"));
    QCOMPARE(cell(page, 3, 0)->text(QAccessible::Name), QStringLiteral("Středa"));

    // Typed in the grid: the name follows the text.
    page.grid()->item(1, 1)->setText(QStringLiteral("6:45"));
    QCOMPARE(cell(page, 2, 1)->text(QAccessible::Name), QStringLiteral("Zapnuto od – Úterý: 6:45"));
}

void TestScheduleAccess::timesAreEditedAsText_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("replace all") << 0 << 4 << QStringLiteral("8:15") << QStringLiteral("8:15");
    QTest::newRow("insert") << 0 << 0 << QStringLiteral("1") << QStringLiteral("17:05");
    QTest::newRow("delete") << 2 << 4 << QString() << QStringLiteral("7:");
    QTest::newRow("offsets reversed") << 4 << 2 << QStringLiteral("30") << QStringLiteral("7:30");
    QTest::newRow("offsets outside")
        << -3 << 99 << QStringLiteral("6:00") << QStringLiteral("6:00");
}

void TestScheduleAccess::timesAreEditedAsText() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(QString, result);
    settings::SchedulePage page;
    page.showSchedule(mondayOnly());
    QAccessibleInterface* mondayOn = cell(page, 1, 1);
    QVERIFY(mondayOn->state().editable);
    QAccessibleEditableTextInterface* editable = mondayOn->editableTextInterface();
    QVERIFY(editable);
    editable->replaceText(start, end, text);
    QCOMPARE(page.cellText(settings::SchedulePage::kOnColumn, 1), result);
    QCOMPARE(mondayOn->text(QAccessible::Name), QStringLiteral("Zapnuto od – Pondělí: ") + result);
    // The other times stay.
    QCOMPARE(page.cellText(settings::SchedulePage::kOffColumn, 1), QStringLiteral("18:30"));
}

// Qt's table views name the child that has the focus by its number in their own
// layout (header row and header column first); a screen reader that follows the
// focus reads the child of that number.
void TestScheduleAccess::childrenAreNumberedAsQtNumbersThem() {
    settings::SchedulePage page;
    QTableWidget plain(page.grid()->rowCount(), page.grid()->columnCount());
    plain.verticalHeader()->hide();
    QAccessibleInterface* ours = gridInterface(page);
    QAccessibleInterface* qts = QAccessible::queryAccessibleInterface(&plain);
    QCOMPARE(ours->childCount(), qts->childCount());
    for (int i = 0; i < qts->childCount(); ++i) {
        QAccessibleInterface* expected = qts->child(i);
        QAccessibleInterface* child = ours->child(i);
        QVERIFY2(child && child->role() == expected->role(), qPrintable(QString::number(i)));
        QCOMPARE(ours->indexOfChild(child), i);
        if (QAccessibleTableCellInterface* place = expected->tableCellInterface()) {
            QCOMPARE(child->tableCellInterface()->rowIndex(), place->rowIndex());
            QCOMPARE(child->tableCellInterface()->columnIndex(), place->columnIndex());
        }
    }
}

QTEST_MAIN(TestScheduleAccess)
#include "tst_scheduleaccess.moc"
