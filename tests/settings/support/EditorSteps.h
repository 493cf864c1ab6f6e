#pragma once

#include "settings/GroupEditor.h"
#include "settings/SettingsDialog.h"
#include "settings/UserEditor.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QTableWidget;

// Steps of the tests of the pages "Uživatelé" and "Skupiny" and their editors, done the way
// an operator does them: clicks on the page's buttons and in the modal editors.

// Shows page of the settings dialog and clicks button on it.
void clickOnPage(orfa::settings::SettingsDialog& form, int page, QAbstractButton* button);

// Runs open, which should open the user editor (or group editor) modally, and work inside it.
// False when the editor did not appear.
bool inUserEditor(const std::function<void()>& open,
                  const std::function<void(orfa::settings::UserEditor&)>& work);
bool inGroupEditor(const std::function<void()>& open,
                   const std::function<void(orfa::settings::GroupEditor&)>& work);

// A flag string as the user editor stores it: 27 characters, the granted positions holding
// their own letter, the others '0'.
QString flagString(std::initializer_list<int> granted);

// Which of the editor's six right boxes are ticked, in their order.
std::vector<bool> rightsTicked(const orfa::settings::UserEditor& editor);

// Types text into field key by key, any character included (QTest::keyClicks takes only
// ASCII).
void typeText(QWidget* field, const QString& text);
// Types text into field after emptying it.
void retype(QWidget* field, const QString& text);

// Selects row of a list with a click on its first cell.
void clickRow(QTableWidget* grid, int row);
// Double-clicks row of a list.
void doubleClickRow(QTableWidget* grid, int row);
// Selects row of a list as an accessibility client does, through the list's table interface,
// which leaves the current row alone. False when the list offers no such interface.
bool selectRowAccessibly(QTableWidget* grid, int row);

// The text of a list cell, empty when the cell has none.
QString cellText(const QTableWidget* grid, int row, int column);
// The texts of column 0 and column 1 of every row, "id|text", for comparing whole lists.
QStringList listRows(const QTableWidget* grid);
