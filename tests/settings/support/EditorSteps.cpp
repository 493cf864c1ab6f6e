#include "settings/support/EditorSteps.h"

#include "support/WhenShown.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

void clickOnPage(orfa::settings::SettingsDialog& form, int page, QAbstractButton* button) {
    form.pages()->setCurrentIndex(page);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool inUserEditor(const std::function<void()>& open,
                  const std::function<void(orfa::settings::UserEditor&)>& work) {
    WhenShown shown(QStringLiteral("userEditor"), [&](QDialog& dialog) {
        work(static_cast<orfa::settings::UserEditor&>(dialog));
    });
    open();
    return shown.ran();
}

bool inGroupEditor(const std::function<void()>& open,
                   const std::function<void(orfa::settings::GroupEditor&)>& work) {
    WhenShown shown(QStringLiteral("groupEditor"), [&](QDialog& dialog) {
        work(static_cast<orfa::settings::GroupEditor&>(dialog));
    });
    open();
    return shown.ran();
}

QString flagString(std::initializer_list<int> granted) {
    QString text(27, QLatin1Char('0'));
    for (const int p : granted)
        text[p - 1] = QChar(u'A' + (p - 1));
    return text;
}

std::vector<bool> rightsTicked(const orfa::settings::UserEditor& editor) {
    std::vector<bool> ticked;
    for (const QCheckBox* box : editor.rightBoxes())
        ticked.push_back(box->isChecked());
    return ticked;
}

void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void retype(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    typeText(field, text);
}

namespace {

QPoint cellCentre(QTableWidget* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 0)).center();
}

} // namespace

void clickRow(QTableWidget* grid, int row) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row));
}

void doubleClickRow(QTableWidget* grid, int row) {
    const QPoint at = cellCentre(grid, row);
    // As the platform delivers it: the first click, then the second one as a double click.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

bool selectRowAccessibly(QTableWidget* grid, int row) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(grid);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    return table && table->selectRow(row);
}

QString cellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QStringList listRows(const QTableWidget* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << cellText(grid, r, 0) + QLatin1Char('|') + cellText(grid, r, 1);
    return rows;
}
