#include "panel/ModelBinding.h"

#include "link/FrequencyText.h"
#include "link/Instructions.h"
#include "model/AmpControl.h"
#include "model/AmplifierModel.h"
#include "model/Units.h"
#include "panel/CaptionedLabel.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"

#include <QCheckBox>
#include <QPushButton>

namespace orfa::panel {

using model::AmpControl;
using model::AmplifierModel;

void bindOutputStrip(OutputStrip& strip, AmplifierModel& model, AmpControl& control,
                     const users::OperatorAccess& access) {
    const int output = strip.output();
    PanelSlider* slider = strip.levelSlider();
    QCheckBox* mute = strip.muteBox();
    const auto showLevel = [slider, &model, output] {
        slider->showValue(model.outputLevel(output));
    };
    const auto showSource = [&strip, &model, output] {
        strip.selectSource(model.outputSource(output));
    };
    const auto showMute = [mute, &model, output] { mute->setChecked(model.isMuted(output)); };
    showLevel();
    showSource();
    showMute();

    QObject::connect(&model, &AmplifierModel::outputLevelChanged, slider, [=](int changed) {
        if (changed == output)
            showLevel();
    });
    QObject::connect(&model, &AmplifierModel::outputSourceChanged, &strip, [=](int changed) {
        if (changed == output)
            showSource();
    });
    QObject::connect(&model, &AmplifierModel::muteChanged, mute, [=](int changed) {
        if (changed == output)
            showMute();
    });

    QObject::connect(slider, &PanelSlider::valueChosen, slider, [=, &control, &access](int level) {
        control.setOutputLevel(access, output, level);
        showLevel();
    });
    QObject::connect(mute, &QCheckBox::clicked, mute, [=, &control, &access](bool muted) {
        control.setMuted(access, output, muted);
        showMute();
    });
    QObject::connect(&strip, &OutputStrip::sourceClicked, &strip,
                     [=, &model, &control, &access](int source) {
                         // The source shown again is no change.
                         if (source != model.outputSource(output))
                             control.setOutputSource(access, output, source);
                         showSource();
                     });
}

void bindInputBox(InputBox& box, AmplifierModel& model, AmpControl& control,
                  const users::OperatorAccess& access) {
    const int k = box.box();
    for (int parameter = 1; parameter <= link::kInputParameterCount; ++parameter) {
        PanelSlider* slider = box.slider(parameter - 1);
        const auto show = [slider, &model, k, parameter] {
            slider->showValue(
                model::parameterSliderPosition(parameter, model.inputParameter(k, parameter)));
        };
        show();
        QObject::connect(&model, &AmplifierModel::inputParameterChanged, slider,
                         [=](int changedBox, int changedParameter) {
                             if (changedBox == k && changedParameter == parameter)
                                 show();
                         });
        QObject::connect(
            slider, &PanelSlider::valueChosen, slider, [=, &control, &access](int position) {
                control.setInputParameter(access, k, parameter,
                                          model::parameterAtSlider(parameter, position));
                show();
            });
    }
}

void bindRadio(RadioBox& radio, AmplifierModel& model, AmpControl& control,
               const users::OperatorAccess& access) {
    CaptionedLabel* label = radio.frequencyLabel();
    const auto show = [label](link::RadioFrequency frequency) {
        label->setShownText(link::frequencyText(frequency) + QStringLiteral(" MHz"));
    };
    if (const auto tuned = model.tunedFrequency())
        show(*tuned);
    QObject::connect(&model, &AmplifierModel::tunedFrequencyChanged, label, show);
    for (int memory = 1; memory <= link::kRadioMemoryCount; ++memory) {
        QObject::connect(
            radio.memoryButton(memory), &QPushButton::clicked, &radio,
            [&control, &access, memory] { control.recallRadioMemory(access, memory); });
    }
}

void bindMasterVolume(PanelSlider& slider, AmplifierModel& model, AmpControl& control,
                      const users::OperatorAccess& access) {
    const auto show = [&slider, &model] {
        slider.showValue(model::masterSliderPosition(model.masterVolumeDb()));
    };
    show();
    QObject::connect(&model, &AmplifierModel::masterVolumeChanged, &slider, show);
    QObject::connect(&slider, &PanelSlider::valueChosen, &slider,
                     [=, &control, &access](int position) {
                         control.setMasterVolumeDb(access, model::masterDbAtSlider(position));
                         show();
                     });
}

} // namespace orfa::panel
