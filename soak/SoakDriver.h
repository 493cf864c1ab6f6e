#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

namespace orfa::model {
class AmplifierModel;
}
namespace orfa::panel {
class OrfaForm;
}
namespace orfa::sim {
class AmpSimulator;
}

// Moves the panel's controls the way a busy operator would, and makes the
// amplifier misbehave in turns, until stopped.
class SoakDriver : public QObject {
    Q_OBJECT
public:
    // amplifier: the model the window shows, whose output groups it changes.
    SoakDriver(orfa::panel::OrfaForm& form, orfa::model::AmplifierModel& amplifier,
               orfa::sim::AmpSimulator& sim, quint32 seed);

    void start();
    // Stops moving controls and ends every fault.
    void stop();

    qint64 actions() const { return actions_; }
    qint64 faultChanges() const { return faultChanges_; }

private:
    void act();
    void changeFaults();

    orfa::panel::OrfaForm& form_;
    orfa::model::AmplifierModel& amplifier_;
    orfa::sim::AmpSimulator& sim_;
    QRandomGenerator random_;
    QTimer actTimer_;
    QTimer faultTimer_;
    qint64 actions_ = 0;
    qint64 faultChanges_ = 0;
};
