#pragma once

#include "data/DataModule.h"
#include "panel/OrfaForm.h"
#include "support/SimulatorRig.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QSlider;

// What assistive technology reads as a control's name.
QString accessibleName(QObject* control);
// What it reads as the control's description.
QString accessibleDescription(QObject* control);
// What a drag with the mouse does to a slider.
void drag(QSlider* slider, int position);

// A panel against the simulator on loopback: a settings directory of its
// own, the data module and the main window, as the program creates them.
class PanelRig : public orfa::test::SimulatorRig {
public:
    // settingsLines: extra lines of section [Orfa], after the simulator's
    // address and the rigs' send delay.
    explicit PanelRig(const QStringList& settingsLines = {});

    // Settings lines that enable every input and output.
    static QStringList allEnabled();

    // Creates the data module and the window (again, after closeWindow()).
    void create();
    // Shows the window and waits for the start-up sequence to finish.
    bool start();
    // Reads the values of both pages, as showing each does, and waits for the
    // answers: a control stays disabled until its value has been read.
    bool readEveryPage();
    void closeWindow();

    orfa::data::DataModule& data() { return *data_; }
    orfa::panel::OrfaForm& form() { return *form_; }
    QString settingsPath() const;
    QString settingsText() const;
    // Whether the amplifier model says the amplifier is on.
    bool amplifierOn();
    // The power panel of the status bar.
    QString statusBarText() const;

    // Waits until the link's queue is empty and nothing is in flight.
    bool waitForIdleQueue() { return waitForIdle(data_->link()); }
    // Waits for an idle queue, then forgets what the simulator received so far.
    bool settle() { return SimulatorRig::settle(data_->link()); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<orfa::data::DataModule> data_;
    std::unique_ptr<orfa::panel::OrfaForm> form_;
};
