#pragma once

#include "data/DataModule.h"
#include "panel/OrfaForm.h"
#include "sim/AmpSimulator.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class QSlider;

// What assistive technology reads as a control's name.
QString accessibleName(QObject* control);
// What it reads as the control's description.
QString accessibleDescription(QObject* control);
// What a drag with the mouse does to a slider.
void drag(QSlider* slider, int position);

// A panel against the simulator on loopback: a settings directory of its
// own, the data module and the main window, as the program creates them.
class PanelRig {
public:
    // settingsLines: extra lines of section [Orfa].
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

    orfa::sim::AmpSimulator& sim() { return sim_; }
    orfa::data::DataModule& data() { return *data_; }
    orfa::panel::OrfaForm& form() { return *form_; }
    QString settingsPath() const;
    QString settingsText() const;
    // Whether the amplifier model says the amplifier is on.
    bool amplifierOn();
    // The power panel of the status bar.
    QString statusBarText() const;

    // The frames the simulator received, a frame repeated because its answer
    // came late counted once.
    std::vector<QByteArray> receivedCommands() const;
    // Data bytes of the commands with this instruction that the simulator received.
    std::vector<QByteArray> receivedData(int instruction) const;
    // Instruction codes of the commands the simulator received, in order.
    std::vector<int> receivedInstructions() const;
    // Waits until the simulator has received at least count frames.
    bool waitForFrames(std::size_t count, int timeoutMs = 5000);
    // Waits until the link's queue is empty and nothing is in flight.
    bool waitForIdleQueue(int timeoutMs = 5000);

private:
    QTemporaryDir dir_;
    orfa::sim::AmpSimulator sim_;
    std::unique_ptr<orfa::data::DataModule> data_;
    std::unique_ptr<orfa::panel::OrfaForm> form_;
};
