#pragma once

#include "config/LocalKeys.h"
#include "config/NstValues.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace orfa::settings {

// The page "Připojení": how to reach the central database (group "Databáze") and the
// amplifier (group "Zesilovač"), and whether the amplifier has 8 or 16 outputs. The amplifier
// password is carried through unchanged: its field is always disabled.
class ConnectionPage : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionPage(QWidget* parent = nullptr);

    // DBChb and the five database details. Setting the check box this way never reports a
    // click.
    void load(const config::LocalKeys& keys);
    void store(config::LocalKeys& keys) const;
    // IPZesE, PortZesE, HesloZesE and VstupyRG.
    void load(const config::NstValues& values);
    void store(config::NstValues& values) const;

    // The index of the selected outputs choice: 0 "8 vstupů", 1 "16 vstupů", -1 none.
    int outputsChoice() const;
    // Selects item 1 for any value above 1 and nothing for a value below 0.
    void setOutputsChoice(int index);

    // The database details the dialog's fields hold are complete: an address of at least 7
    // characters, a port that is an integer other than -1, a path of at least 10 characters,
    // a user name and a password of at least 3 characters each.
    bool detailsComplete() const;

    // Enables or disables the five database detail fields.
    void setDatabaseFieldsEnabled(bool enabled);

    // The text fields of the shared settings: IPZesE, PortZesE and HesloZesE.
    std::vector<QLineEdit*> sharedTextFields() const;

    QCheckBox* databaseBox() const { return databaseBox_; }

Q_SIGNALS:
    // The operator clicked the database check box; checked is its new state.
    void databaseClicked(bool checked);
    // The operator clicked one of the outputs choices.
    void outputsChoiceClicked();

private:
    QWidget* buildDatabaseGroup();
    QWidget* buildAmplifierGroup();
    QWidget* buildOutputsChoice();

    QCheckBox* databaseBox_ = nullptr;
    QLineEdit* databaseAddress_ = nullptr;
    QLineEdit* databasePort_ = nullptr;
    QLineEdit* databasePath_ = nullptr;
    QLineEdit* databaseLogin_ = nullptr;
    QLineEdit* databasePassword_ = nullptr;
    QLineEdit* amplifierAddress_ = nullptr;
    QLineEdit* amplifierPort_ = nullptr;
    QLineEdit* amplifierPassword_ = nullptr;
    QButtonGroup* outputsChoiceGroup_ = nullptr;
};

} // namespace orfa::settings
