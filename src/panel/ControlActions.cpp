#include "panel/ControlActions.h"

#include "link/AmpLink.h"
#include "link/CommandBuilder.h"
#include "panel/AmpRequests.h"
#include "panel/InputBox.h"
#include "panel/InputsPage.h"
#include "panel/OutputStrip.h"
#include "panel/OutputsPage.h"
#include "panel/PanelModel.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "panel/Tag.h"

#include <QCheckBox>
#include <QPushButton>

namespace orfa::panel {

ControlActions::ControlActions(PanelModel& model, link::AmpLink& link, AmpRequests& requests,
                               QObject* parent)
    : QObject(parent)
    , model_(model)
    , link_(link)
    , requests_(requests) {}

void ControlActions::attach(InputsPage& inputs, OutputsPage& outputs1, OutputsPage& outputs9,
                            QSlider& masterVolume) {
    for (int k = 1; k <= InputsPage::kBoxes; ++k) {
        for (int j = 0; j <= InputBox::kBands; ++j) {
            QSlider* slider = inputs.box(k)->slider(j);
            connect(slider, &QSlider::valueChanged, this,
                    [this, slider] { TrackBar9Change(slider); });
        }
    }
    for (int r = 1; r <= RadioBox::kMemories; ++r) {
        QPushButton* button = inputs.radio()->memoryButton(r);
        connect(button, &QPushButton::clicked, this,
                [this, button] { Radio1MemButtClick(tagOf(button)); });
    }
    for (int n = 1; n <= 8; ++n) {
        attachStrip(*outputs1.strip(n));
        attachStrip(*outputs9.strip(n + 8));
    }
    connect(&masterVolume, &QSlider::valueChanged, this, &ControlActions::VolTrackBarChange);
}

void ControlActions::attachStrip(OutputStrip& strip) {
    QSlider* slider = strip.levelSlider();
    QCheckBox* box = strip.muteBox();
    connect(slider, &QSlider::valueChanged, this, [this, slider] { TrackBar43Change(slider); });
    connect(box, &QCheckBox::toggled, this, [this, box] { muteClicked(box); });
    connect(&strip, &OutputStrip::sourceSelected, this,
            [this, output = strip.output()](int source) { RadioGroup13Click(output, source); });
}

void ControlActions::TrackBar43Change(QSlider* slider) {
    if (model_.ZakazOdesilaniZmen || !model_.isBound())
        return;
    const int n = tagOf(slider) + 1;
    const int p = slider->value();
    std::vector<link::OutputValue> levels{{n, p}};
    // Moving a member's slider runs this handler for that member at once; its
    // command and this one coalesce, and this one, queued last, stays.
    if (const int group = model_.Vystup(n).IDSkupiny; group != 0) {
        for (int s = 1; s <= PanelModel::kOutputs; ++s) {
            TVystup& member = model_.Vystup(s);
            if (member.IDSkupiny != group)
                continue;
            member.TrackBar->setValue(p);
            levels.push_back({s, p});
        }
    }
    link_.send(link::buildSetOutputLevels(link_.signature(), levels));
}

void ControlActions::muteClicked(QCheckBox* box) {
    if (model_.ZakazOdesilaniZmen || !model_.isBound())
        return;
    TVystup& out = model_.Vystup(tagOf(box) + 1);
    if (box->isChecked()) {
        out.Pozice = out.TrackBar->value();
        out.TrackBar->setValue(out.TrackBar->maximum());
    } else {
        out.TrackBar->setValue(out.Pozice);
    }
}

void ControlActions::RadioGroup13Click(int output, int source) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(link::buildSetOutputSource(link_.signature(), output, source));
}

void ControlActions::VolTrackBarChange(int position) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(link::buildSetMasterVolume(link_.signature(), position));
}

void ControlActions::TrackBar9Change(QSlider* slider) {
    if (model_.ZakazOdesilaniZmen)
        return;
    const int tag = tagOf(slider);
    link_.send(
        link::buildSetInputParameter(link_.signature(), tag / 100, tag % 100 + 1, slider->value()));
}

void ControlActions::Radio1MemButtClick(int memory) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(link::buildTuneRadioMemory(link_.signature(), memory));
    requests_.NactiNaladeneRadio();
}

void ControlActions::Aktivovat81Click(int preset) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(link::buildActivatePreset(link_.signature(), preset));
}

void ControlActions::P81Click(int preset) {
    if (model_.ZakazOdesilaniZmen)
        return;
    link_.send(link::buildStorePreset(link_.signature(), preset));
}

} // namespace orfa::panel
