#include "SoakDriver.h"

#include "model/AmplifierModel.h"
#include "panel/InputBox.h"
#include "panel/OrfaForm.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "sim/AmpSimulator.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

void drag(QSlider* slider, int position) {
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

} // namespace

SoakDriver::SoakDriver(orfa::panel::OrfaForm& form, orfa::model::AmplifierModel& amplifier,
                       orfa::sim::AmpSimulator& sim, quint32 seed)
    : form_(form)
    , amplifier_(amplifier)
    , sim_(sim)
    , random_(seed) {
    actTimer_.setInterval(15);
    faultTimer_.setInterval(1500);
    connect(&actTimer_, &QTimer::timeout, this, &SoakDriver::act);
    connect(&faultTimer_, &QTimer::timeout, this, &SoakDriver::changeFaults);
}

void SoakDriver::start() {
    actTimer_.start();
    faultTimer_.start();
}

void SoakDriver::stop() {
    actTimer_.stop();
    faultTimer_.stop();
    sim_.faults() = orfa::sim::Faults{};
}

void SoakDriver::act() {
    const int output = random_.bounded(1, 17);
    orfa::panel::OutputStrip* strip = form_.outputStrip(output);
    switch (random_.bounded(10)) {
    case 0:
    case 1:
    case 2:
        drag(strip->levelSlider(), random_.bounded(0, 80));
        break;
    case 3:
        strip->sourceButton(random_.bounded(1, 11))->click();
        break;
    case 4:
        strip->muteBox()->click();
        break;
    case 5:
        drag(form_.masterVolumeSlider(), random_.bounded(0, 160));
        break;
    case 6: {
        QSlider* slider = form_.inputBox(random_.bounded(1, 6))->slider(random_.bounded(0, 6));
        drag(slider, random_.bounded(slider->minimum(), slider->maximum() + 1));
        break;
    }
    case 7:
        form_.radio()->memoryButton(random_.bounded(1, 10))->click();
        break;
    case 8:
        form_.pages()->setCurrentIndex(random_.bounded(0, 3));
        break;
    default:
        // Regroup an output now and then, so that group spreading runs too.
        amplifier_.setOutputGroup(output, random_.bounded(0, 4));
        break;
    }
    ++actions_;
}

void SoakDriver::changeFaults() {
    orfa::sim::Faults faults;
    switch (random_.bounded(8)) {
    case 0:
        break; // a healthy spell
    case 1:
        faults.silent = true;
        break;
    case 2:
        faults.answerDelayMs = random_.bounded(50, 600);
        break;
    case 3:
        faults.ackCode = static_cast<std::uint8_t>(random_.bounded(1, 4));
        break;
    case 4:
        faults.dropAfterAnswer = true;
        break;
    case 5:
        faults.garbageBeforeAnswer = true;
        faults.splitAnswers = true;
        break;
    case 6:
        sim_.dropConnections();
        break;
    default: {
        QByteArray junk(random_.bounded(1, 300), '\0');
        for (char& c : junk)
            c = static_cast<char>(random_.bounded(256));
        sim_.sendRaw(junk);
        break;
    }
    }
    sim_.faults() = faults;
    ++faultChanges_;
}
