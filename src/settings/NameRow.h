#pragma once

#include "config/IoNames.h"

#include <QString>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace orfa::settings {

// One row of the pages "Vstupy" and "Výstupy": the row's label, its enable check box and its
// name field (at most 30 characters, "Edit1" until something is loaded). The widgets belong
// to the page; a row only refers to them.
class NameRow {
public:
    static constexpr int kMaxNameLength = 30;

    struct Texts {
        QString label;           // "Vstup 1:"
        QString checkCaption;    // "Povolen", or empty
        QString checkAccessible; // "Povolen vstup 1"
        QString nameAccessible;  // "Název vstupu 1"
    };

    // Adds the label, the check box and the name field to grid at row, from column on; with
    // a nameCaption the label "Název" stands between check box and field.
    NameRow(QWidget* page, QGridLayout* grid, int row, int column, const Texts& texts,
            const QString& nameCaption = QString());

    void load(const config::IoEntry& entry);
    config::IoEntry entry() const;

    // The name field is enabled exactly when the row's check box is ticked.
    void enableNameByCheckBox();
    // Enables or disables label, check box and name field together.
    void setRowEnabled(bool enabled);

    QCheckBox* checkBox() const { return checkBox_; }
    QLineEdit* nameField() const { return name_; }

private:
    QLabel* label_ = nullptr;
    QCheckBox* checkBox_ = nullptr;
    QLineEdit* name_ = nullptr;
};

} // namespace orfa::settings
