#include "panel/PanelModel.h"

#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelLog.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "panel/Tag.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <map>

namespace orfa::panel {

void PanelModel::PriradOvladaciPrvky(QWidget* root) {
    SendingSuppressed suppressed(*this);
    if (!PrirazenyVstupy)
        PrirazenyVstupy = bindInputs(root);
    if (!PrirazenyVystupy18)
        PrirazenyVystupy18 = bindOutputs(root, 1, 8);
    if (!PrirazenyVystupy916)
        PrirazenyVystupy916 = bindOutputs(root, 9, 16);
}

bool PanelModel::bindInputs(QWidget* root) {
    std::map<int, PanelSlider*> sliders;
    for (PanelSlider* slider : root->findChildren<PanelSlider*>()) {
        if (qobject_cast<InputBox*>(slider->parentWidget()) && hasTag(slider))
            sliders[tagOf(slider)] = slider;
    }
    std::array<TVstup, kBoxes + 1> boxes{};
    for (int k = 1; k <= kBoxes; ++k) {
        TVstup& box = boxes.at(static_cast<std::size_t>(k));
        for (int j = 0; j <= InputBox::kBands; ++j) {
            const auto found = sliders.find(100 * k + j);
            if (found == sliders.end()) {
                qCWarning(lcPanel) << "input box" << k << "has no slider" << j;
                return false;
            }
            box.TrackBar.at(static_cast<std::size_t>(j)) = found->second;
        }
        auto* frame = qobject_cast<InputBox*>(box.TrackBar[0]->parentWidget());
        for (int band = 1; band <= InputBox::kBands; ++band)
            box.Label.at(static_cast<std::size_t>(band)) = frame->bandLabel(band);
        box.GroupBox = frame;
    }
    std::array<QPushButton*, kMemories + 1> buttons{};
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (qobject_cast<RadioBox*>(button->parentWidget()) && hasTag(button)) {
            const int tag = tagOf(button);
            if (tag >= 1 && tag <= kMemories)
                buttons.at(static_cast<std::size_t>(tag)) = button;
        }
    }
    for (int r = 1; r <= kMemories; ++r) {
        if (!buttons.at(static_cast<std::size_t>(r))) {
            qCWarning(lcPanel) << "radio memory button" << r << "missing";
            return false;
        }
    }
    vstup_ = boxes;
    radioTlac_ = buttons;
    return true;
}

bool PanelModel::bindOutputs(QWidget* root, int first, int last) {
    std::map<int, OutputStrip*> strips;
    for (OutputStrip* strip : root->findChildren<OutputStrip*>())
        strips[tagOf(strip->levelSlider()) + 1] = strip;
    for (int n = first; n <= last; ++n) {
        if (strips.find(n) == strips.end()) {
            qCWarning(lcPanel) << "output strip" << n << "missing";
            return false;
        }
    }
    for (int n = first; n <= last; ++n) {
        OutputStrip* strip = strips[n];
        TVystup& out = vystup_.at(static_cast<std::size_t>(n));
        out.TrackBar = strip->levelSlider();
        out.CheckBox = strip->muteBox();
        out.Pozice = out.TrackBar->value();
        for (int i = 1; i <= OutputStrip::kSources; ++i)
            out.Tlacitko.at(static_cast<std::size_t>(i)) = strip->sourceButton(i);
        out.RadioGroup = strip;
    }
    return true;
}

} // namespace orfa::panel
