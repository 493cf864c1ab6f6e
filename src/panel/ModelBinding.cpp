#include "panel/ModelBinding.h"

#include "link/FrequencyText.h"
#include "link/Instructions.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "model/Units.h"
#include "panel/CaptionedLabel.h"
#include "panel/ControlEnabling.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "panel/StartupHold.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace orfa::panel {
namespace {

using model::AmpItem;
using model::AmplifierModel;

// Whether the operator's acts go to the control yet. After each act the
// control shows the model again, so that a held or refused one leaves it as
// the model is.
bool reporting(const AmplifierAccess& amplifier) {
    return !amplifier.hold.holds();
}

void bindLevel(OutputStrip& strip, const AmplifierAccess& amplifier) {
    const int output = strip.output();
    PanelSlider* slider = strip.levelSlider();
    const AmplifierModel& model = amplifier.model;
    const auto show = [slider, &model, output] { slider->showValue(model.outputLevel(output)); };
    show();
    followItemState(*slider, model, AmpItem::outputLevel(output));
    QObject::connect(&amplifier.model, &AmplifierModel::outputLevelChanged, slider,
                     [=](int changed) {
                         if (changed == output)
                             show();
                     });
    QObject::connect(slider, &PanelSlider::valueChosen, slider, [=](int level) {
        if (reporting(amplifier))
            amplifier.control.setOutputLevel(amplifier.operatorAccess, output, level);
        show();
    });
}

void bindSource(OutputStrip& strip, const AmplifierAccess& amplifier) {
    const int output = strip.output();
    const AmplifierModel& model = amplifier.model;
    const auto show = [&strip, &model, output] { strip.selectSource(model.outputSource(output)); };
    show();
    for (int source = 1; source <= link::kSourceCount; ++source)
        followItemState(*strip.sourceButton(source), model, AmpItem::outputSource(output));
    QObject::connect(&amplifier.model, &AmplifierModel::outputSourceChanged, &strip,
                     [=](int changed) {
                         if (changed == output)
                             show();
                     });
    QObject::connect(&strip, &OutputStrip::sourceChosen, &strip, [=](int source) {
        if (reporting(amplifier))
            amplifier.control.setOutputSource(amplifier.operatorAccess, output, source);
        show();
    });
}

void bindMute(OutputStrip& strip, const AmplifierAccess& amplifier) {
    const int output = strip.output();
    const AmplifierModel& model = amplifier.model;
    const auto show = [&strip, &model, output] { strip.showMuted(model.isMuted(output)); };
    show();
    // Muting is a level: the box is known with the level.
    followItemState(*strip.muteBox(), model, AmpItem::outputLevel(output));
    QObject::connect(&amplifier.model, &AmplifierModel::muteChanged, &strip, [=](int changed) {
        if (changed == output)
            show();
    });
    QObject::connect(&strip, &OutputStrip::muteChosen, &strip, [=](bool muted) {
        if (reporting(amplifier))
            amplifier.control.setMuted(amplifier.operatorAccess, output, muted);
        show();
    });
}

} // namespace

void bindOutputStrip(OutputStrip& strip, const AmplifierAccess& amplifier) {
    bindLevel(strip, amplifier);
    bindSource(strip, amplifier);
    bindMute(strip, amplifier);
}

void bindInputBox(InputBox& box, const AmplifierAccess& amplifier) {
    const int k = box.box();
    const AmplifierModel& model = amplifier.model;
    for (int parameter = 1; parameter <= link::kInputParameterCount; ++parameter) {
        PanelSlider* slider = box.slider(parameter - 1);
        const auto show = [slider, &model, k, parameter] {
            slider->showValue(
                model::parameterSliderPosition(parameter, model.inputParameter(k, parameter)));
        };
        show();
        followItemState(*slider, model, AmpItem::inputParameter(k, parameter));
        QObject::connect(&amplifier.model, &AmplifierModel::inputParameterChanged, slider,
                         [=](int changedBox, int changedParameter) {
                             if (changedBox == k && changedParameter == parameter)
                                 show();
                         });
        QObject::connect(slider, &PanelSlider::valueChosen, slider, [=](int position) {
            if (reporting(amplifier))
                amplifier.control.setInputParameter(amplifier.operatorAccess, k, parameter,
                                                    model::parameterAtSlider(parameter, position));
            show();
        });
    }
}

void bindRadio(RadioBox& radio, const AmplifierAccess& amplifier) {
    CaptionedLabel* label = radio.frequencyLabel();
    const auto show = [label](link::RadioFrequency frequency) {
        label->setShownText(link::frequencyText(frequency) + QStringLiteral(" MHz"));
    };
    if (const auto tuned = amplifier.model.tunedFrequency())
        show(*tuned);
    QObject::connect(&amplifier.model, &AmplifierModel::tunedFrequencyChanged, label, show);
    for (int memory = 1; memory <= link::kRadioMemoryCount; ++memory) {
        // A click, the space key, or assistive technology's press action.
        QObject::connect(radio.memoryButton(memory), &QPushButton::clicked, &radio, [=] {
            if (reporting(amplifier))
                amplifier.control.recallRadioMemory(amplifier.operatorAccess, memory);
        });
    }
}

void bindMasterVolume(PanelSlider& slider, const AmplifierAccess& amplifier) {
    const AmplifierModel& model = amplifier.model;
    const auto show = [&slider, &model] {
        slider.showValue(model::masterSliderPosition(model.masterVolumeDb()));
    };
    show();
    followItemState(slider, model, AmpItem::masterVolume());
    QObject::connect(&amplifier.model, &AmplifierModel::masterVolumeChanged, &slider, show);
    QObject::connect(&slider, &PanelSlider::valueChosen, &slider, [=](int position) {
        if (reporting(amplifier))
            amplifier.control.setMasterVolumeDb(amplifier.operatorAccess,
                                                model::masterDbAtSlider(position));
        show();
    });
}

} // namespace orfa::panel
