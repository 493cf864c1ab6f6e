#include "panel/PanelEnabling.h"

#include "config/SettingsKeys.h"
#include "panel/CaptionedLabel.h"
#include "panel/ControlEnabling.h"
#include "panel/InputBox.h"
#include "panel/InputsPage.h"
#include "panel/OutputStrip.h"
#include "panel/PanelSlider.h"
#include "panel/RadioBox.h"
#include "settings/CaptionText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace orfa::panel {

using settings::captionText;
using users::flags::allows;

void disableOutputStrips(const OutputStrips& strips) {
    for (OutputStrip* strip : strips) {
        if (!strip)
            continue;
        for (int i = 1; i <= link::kSourceCount; ++i)
            allowControl(*strip->sourceButton(i), false);
        allowControl(*strip->levelSlider(), false);
        allowControl(*strip->muteBox(), false);
    }
}

void disableAllControls(const InputsPage& inputs, const OutputStrips& strips,
                        QWidget& masterVolume) {
    disableOutputStrips(strips);
    for (int k = 1; k <= link::kInputBoxCount; ++k) {
        InputBox* box = inputs.box(k);
        allowControl(*box->slider(0), false);
        for (int band = 1; band <= InputBox::kBands; ++band) {
            allowControl(*box->slider(band), false);
            allowControl(*box->bandLabel(band), false);
        }
    }
    allowControl(masterVolume, false);
    RadioBox* radio = inputs.radio();
    allowControl(*radio->frequencyLabel(), false);
    for (int r = 1; r <= link::kRadioMemoryCount; ++r)
        allowControl(*radio->memoryButton(r), false);
}

namespace {

// What a screen reader calls a source, an output or a memory: its configured name, or its
// number while none is configured (no name, or the one a fresh settings file gives).
QString spokenLabel(int number, const QString& name, const QString& defaultName) {
    return name.trimmed().isEmpty() || name == defaultName ? QString::number(number) : name;
}

QString sourceLabel(int source, const QString& name) {
    return spokenLabel(source, name, config::keys::defaultInputName(source));
}

void setBoxControlsEnabled(InputBox& box, bool on, bool onlyEnable) {
    auto apply = [&](QWidget* w) {
        if (!onlyEnable || on)
            allowControl(*w, on);
    };
    apply(&box);
    for (int j = 0; j <= InputBox::kBands; ++j)
        apply(box.slider(j));
    for (int band = 1; band <= InputBox::kBands; ++band)
        apply(box.bandLabel(band));
}

// Box k serves sources 2k-1 and 2k: its caption names both, and it is enabled
// when either of them is on. A source without an entry changes nothing, so
// the caption never accumulates names over repeated runs.
void applyBox(InputBox& box, const config::IoNames& names, const users::UserRights& rights) {
    const int k = box.box();
    const auto& first = names.sources.at(static_cast<std::size_t>(2 * k - 2));
    const auto& second = names.sources.at(static_cast<std::size_t>(2 * k - 1));
    if (!first && !second)
        return;
    QStringList caption;
    if (first) {
        caption << first->name;
        setBoxControlsEnabled(box, first->enabled && allows(rights.inputs, 2 * k - 1), false);
        box.setSourceLabel(2 * k - 1, sourceLabel(2 * k - 1, first->name));
    }
    if (second) {
        caption << second->name;
        setBoxControlsEnabled(box, second->enabled && allows(rights.inputs, 2 * k), true);
        box.setSourceLabel(2 * k, sourceLabel(2 * k, second->name));
    }
    box.setTitle(captionText(caption.join(QStringLiteral(", "))));
}

void applySourceCaptions(const OutputStrips& strips, int i, const QString& name) {
    const QString label = sourceLabel(i, name);
    for (OutputStrip* strip : strips) {
        if (!strip)
            continue;
        strip->sourceButton(i)->setText(captionText(name));
        strip->setSourceLabel(i, label);
    }
}

void applyOutput(OutputStrip& strip, const config::IoEntry& entry,
                 const users::OperatorAccess& access) {
    const int n = strip.output();
    allowControl(*strip.sourceGroup(), access.maySwitchSources(n));
    for (int i = 1; i <= link::kSourceCount; ++i)
        allowControl(*strip.sourceButton(i), access.mayChooseSource(n, i));
    allowControl(*strip.levelSlider(), access.mayChangeLevel(n));
    allowControl(*strip.muteBox(), access.mayChangeLevel(n));
    strip.sourceGroup()->setTitle(captionText(entry.name));
    strip.setOutputLabel(spokenLabel(n, entry.name, config::keys::defaultOutputName(n)));
}

} // namespace

void applyOutputNames(const OutputStrips& strips, const config::IoNames& names,
                      const users::UserRights& rights, users::LevelRule levelRule) {
    const users::OperatorAccess access(names, rights, levelRule);
    for (int i = 1; i <= link::kSourceCount; ++i) {
        if (const auto& entry = names.sources.at(static_cast<std::size_t>(i - 1)))
            applySourceCaptions(strips, i, entry->name);
    }
    for (OutputStrip* strip : strips) {
        if (!strip)
            continue;
        if (const auto& entry = names.outputs.at(static_cast<std::size_t>(strip->output() - 1)))
            applyOutput(*strip, *entry, access);
    }
}

void applyIoNames(const InputsPage& inputs, const OutputStrips& strips,
                  const config::IoNames& names, const users::UserRights& rights,
                  users::LevelRule levelRule) {
    for (int k = 1; k <= link::kInputBoxCount; ++k)
        applyBox(*inputs.box(k), names, rights);
    applyOutputNames(strips, names, rights, levelRule);
    RadioBox* radio = inputs.radio();
    for (int r = 1; r <= link::kRadioMemoryCount; ++r) {
        QPushButton* button = radio->memoryButton(r);
        const auto& name = names.radioNames.at(static_cast<std::size_t>(r - 1));
        button->setText(captionText(name ? *name : QString::number(r)));
        button->setAccessibleName(RadioBox::memoryButtonName(
            spokenLabel(r, name.value_or(QString()), config::keys::defaultRadioName(r))));
    }
}

} // namespace orfa::panel
