#include "panel/PanelEnabling.h"

#include "config/SettingsKeys.h"
#include "panel/InputBox.h"
#include "panel/OutputStrip.h"
#include "panel/PanelModel.h"
#include "panel/RadioBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStringList>

namespace orfa::panel {

using users::flags::allows;

void ZakazVsechnyOvladaciPrvky(PanelModel& model, QWidget* masterVolume, QWidget* frequencyLabel) {
    for (int n = 1; n <= PanelModel::kOutputs; ++n) {
        TVystup& out = model.Vystup(n);
        if (!out.TrackBar)
            continue;
        for (int i = 1; i <= OutputStrip::kSources; ++i)
            out.Tlacitko.at(static_cast<std::size_t>(i))->setEnabled(false);
        out.TrackBar->setEnabled(false);
        out.CheckBox->setEnabled(false);
    }
    for (int k = 1; k <= PanelModel::kBoxes; ++k) {
        TVstup& box = model.Vstup(k);
        if (!box.GroupBox)
            continue;
        box.TrackBar[0]->setEnabled(false);
        for (int band = 1; band <= 5; ++band) {
            box.TrackBar.at(static_cast<std::size_t>(band))->setEnabled(false);
            box.Label.at(static_cast<std::size_t>(band))->setEnabled(false);
        }
    }
    masterVolume->setEnabled(false);
    frequencyLabel->setEnabled(false);
    for (int r = 1; r <= PanelModel::kMemories; ++r) {
        if (QPushButton* button = model.RadioTlac(r))
            button->setEnabled(false);
    }
}

namespace {

// A stored name as a caption: '&' would otherwise mark the next letter as a shortcut and
// vanish from the caption.
QString captionText(const QString& name) {
    QString text = name;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

// What a screen reader calls a source, an output or a memory: its configured name, or its
// number while none is configured (no name, or the one a fresh settings file gives).
QString spokenLabel(int number, const QString& name, const QString& defaultName) {
    return name.trimmed().isEmpty() || name == defaultName ? QString::number(number) : name;
}

QString sourceLabel(int source, const QString& name) {
    return spokenLabel(source, name, config::keys::defaultInputName(source));
}

void setBoxControlsEnabled(TVstup& box, bool on, bool onlyEnable) {
    auto apply = [&](QWidget* w) {
        if (!onlyEnable)
            w->setEnabled(on);
        else if (on)
            w->setEnabled(true);
    };
    apply(box.GroupBox);
    for (int j = 0; j <= 5; ++j)
        apply(box.TrackBar.at(static_cast<std::size_t>(j)));
    for (int band = 1; band <= 5; ++band)
        apply(box.Label.at(static_cast<std::size_t>(band)));
}

// Box k serves sources 2k-1 and 2k: its caption names both, and it is enabled
// when either of them is on. A source without an entry changes nothing, so
// the caption never accumulates names over repeated runs.
void applyBox(PanelModel& model, int k, const config::IoNames& names,
              const users::UserRights& rights) {
    const auto& first = names.sources.at(static_cast<std::size_t>(2 * k - 2));
    const auto& second = names.sources.at(static_cast<std::size_t>(2 * k - 1));
    TVstup& box = model.Vstup(k);
    if (!box.GroupBox || (!first && !second))
        return;
    auto* frame = qobject_cast<InputBox*>(box.GroupBox);
    QStringList caption;
    if (first) {
        caption << first->name;
        setBoxControlsEnabled(box, first->enabled && allows(rights.inputs, 2 * k - 1), false);
        frame->setSourceLabel(2 * k - 1, sourceLabel(2 * k - 1, first->name));
    }
    if (second) {
        caption << second->name;
        setBoxControlsEnabled(box, second->enabled && allows(rights.inputs, 2 * k), true);
        frame->setSourceLabel(2 * k, sourceLabel(2 * k, second->name));
    }
    box.GroupBox->setTitle(captionText(caption.join(QStringLiteral(", "))));
}

void applySourceCaptions(PanelModel& model, int i, const QString& name) {
    const QString label = sourceLabel(i, name);
    for (int n = 1; n <= PanelModel::kOutputs; ++n) {
        TVystup& out = model.Vystup(n);
        if (QRadioButton* button = out.Tlacitko.at(static_cast<std::size_t>(i))) {
            button->setText(captionText(name));
            out.RadioGroup->setSourceLabel(i, label);
        }
    }
}

void applyOutput(TVystup& out, int n, const config::IoEntry& entry, const users::UserRights& rights,
                 LevelRule levelRule) {
    const bool flag = entry.enabled;
    const bool matrix = allows(rights.sourceSwitching, n);
    const bool groupOn = flag && matrix;
    out.RadioGroup->sourceGroup()->setEnabled(groupOn);
    for (int i = 1; i <= OutputStrip::kSources; ++i) {
        out.Tlacitko.at(static_cast<std::size_t>(i))
            ->setEnabled(flag && allows(rights.enabledInputs, i) && matrix);
    }
    const bool levelBase = levelRule == LevelRule::FlagMatrixAndVolume ? groupOn : flag;
    out.TrackBar->setEnabled(levelBase && allows(rights.outputs, n));
    out.CheckBox->setEnabled(out.TrackBar->isEnabled());
    out.RadioGroup->sourceGroup()->setTitle(captionText(entry.name));
    out.RadioGroup->setOutputLabel(spokenLabel(n, entry.name, config::keys::defaultOutputName(n)));
}

} // namespace

void applyIoNames(PanelModel& model, const config::IoNames& names, const users::UserRights& rights,
                  LevelRule levelRule) {
    for (int k = 1; k <= PanelModel::kBoxes; ++k)
        applyBox(model, k, names, rights);
    for (int i = 1; i <= 10; ++i) {
        if (const auto& entry = names.sources.at(static_cast<std::size_t>(i - 1)))
            applySourceCaptions(model, i, entry->name);
    }
    for (int n = 1; n <= PanelModel::kOutputs; ++n) {
        TVystup& out = model.Vystup(n);
        const auto& entry = names.outputs.at(static_cast<std::size_t>(n - 1));
        if (entry && out.TrackBar)
            applyOutput(out, n, *entry, rights, levelRule);
    }
    for (int r = 1; r <= PanelModel::kMemories; ++r) {
        QPushButton* button = model.RadioTlac(r);
        if (!button)
            continue;
        const auto& name = names.radioNames.at(static_cast<std::size_t>(r - 1));
        button->setText(captionText(name ? *name : QString::number(r)));
        button->setAccessibleName(RadioBox::memoryButtonName(
            spokenLabel(r, name.value_or(QString()), config::keys::defaultRadioName(r))));
    }
    // The groups as stored now: an output taken out of its group, or of a deleted one,
    // stops moving with it at once.
    for (int n = 1; n <= PanelModel::kOutputs; ++n)
        model.Vystup(n).IDSkupiny = 0;
    for (const config::GroupMember& member : names.groups) {
        if (member.output >= 1 && member.output <= PanelModel::kOutputs)
            model.Vystup(member.output).IDSkupiny = member.group;
    }
}

} // namespace orfa::panel
