#pragma once

#include "data/DataModule.h"
#include "settings/SettingsDialog.h"
#include "settings/support/RecordingMessageSink.h"
#include "support/SimulatorRig.h"
#include "users/CentralSettingsDatabase.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAbstractButton;
class QCheckBox;
class QLineEdit;

// Clicks a check box or radio button on its indicator, where a click always lands, however
// wide the layout made the button.
void clickIndicator(QAbstractButton* button);

// The settings dialog as the main window opens it: a settings directory of its own, the data
// module, the amplifier simulator on loopback, and messages recorded instead of shown.
class SettingsRig : public orfa::test::SimulatorRig {
public:
    // lines: the lines of section [Orfa] after the simulator's address and the rigs' send
    // delay. Without withAmplifier the file holds lines alone.
    explicit SettingsRig(const QStringList& lines = {}, bool withAmplifier = true);
    ~SettingsRig();

    // The program starts again: a new data module reads the settings file (and, with the
    // database in use, connects to it).
    void restart();

    // Creates the dialog and shows it; the show sequence has run when this returns.
    orfa::settings::SettingsDialog& open();
    // Presses "&OK" / "&Stormo" and destroys the dialog. True when it closed with that result.
    bool pressOk();
    bool pressCancel();
    void destroyForm();

    orfa::settings::SettingsDialog& form() { return *form_; }
    orfa::data::DataModule& data() { return *data_; }
    RecordingMessageSink& messages() { return messages_; }

    // A control of the dialog by its object name; fails the test when it is missing.
    template <typename T> T* control(const QString& name) const {
        return form_->findChild<T*>(name);
    }
    QCheckBox* checkBox(const QString& name) const;
    QLineEdit* lineEdit(const QString& name) const;

    QString settingsPath() const;
    QByteArray settingsBytes() const;
    // Key names of section [Orfa] in file order, and the value of one key ("" when missing).
    QStringList keysInFile() const;
    QString valueInFile(const QString& key) const;

    // Waits until the link's queue is empty and nothing is in flight.
    bool waitForIdleQueue() { return waitForIdle(data_->link()); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<orfa::data::DataModule> data_;
    RecordingMessageSink messages_;
    std::unique_ptr<orfa::users::CentralSettingsDatabase> store_;
    std::unique_ptr<orfa::settings::SettingsDialog> form_;
};
