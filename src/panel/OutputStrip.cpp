#include "panel/OutputStrip.h"

#include "link/ValueCodec.h"
#include "panel/PanelSlider.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace orfa::panel {
namespace {

constexpr std::array<const char16_t*, link::kSourceCount> kInitialCaptions = {
    u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8.Rádio L", u"9. Rádio R", u"10. Mikrofon"};

constexpr int kSliderColumnWidth = 44;

} // namespace

OutputStrip::OutputStrip(int output, QWidget* parent)
    : QWidget(parent)
    , output_(output)
    , outputLabel_(QString::number(output)) {
    buildSourceGroup();
    slider_ = new PanelSlider(0, link::kOutputLevelMax, this);
    slider_->setTickPosition(QSlider::TicksRight);
    slider_->setTickInterval(4);
    mute_ = new QCheckBox(this);
    mute_->setToolTip(QStringLiteral("Ztlumit"));
    layOut();
    nameControls();

    // Every change of the check state but those of the show functions, which
    // block these signals: a click, a key, an accessibility action.
    connect(buttonGroup_, &QButtonGroup::idToggled, this, [this](int source, bool checked) {
        if (checked)
            Q_EMIT sourceChosen(source);
    });
    connect(mute_, &QCheckBox::toggled, this, &OutputStrip::muteChosen);
}

void OutputStrip::buildSourceGroup() {
    group_ = new QGroupBox(QStringLiteral("Výstup 1"), this);
    buttonGroup_ = new QButtonGroup(this);
    auto* items = new QVBoxLayout(group_);
    items->setSpacing(1);
    items->setContentsMargins(6, 4, kSliderColumnWidth, 4);
    for (int source = 1; source <= link::kSourceCount; ++source) {
        const auto index = static_cast<std::size_t>(source - 1);
        auto* button = new QRadioButton(QString::fromUtf16(kInitialCaptions.at(index)), group_);
        sourceLabels_.at(index) = QString::number(source);
        buttons_.at(index) = button;
        buttonGroup_->addButton(button, source);
        items->addWidget(button);
    }
}

void OutputStrip::layOut() {
    // The slider shares the group's cell and stands on its right-hand margin.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(group_, 0, 0);
    auto* sliderColumn = new QVBoxLayout;
    sliderColumn->setContentsMargins(0, 18, 6, 6);
    sliderColumn->addWidget(slider_, 1, Qt::AlignHCenter);
    grid->addLayout(sliderColumn, 0, 0, Qt::AlignRight);
    grid->addWidget(mute_, 1, 0, Qt::AlignRight);
    mute_->setContentsMargins(0, 0, kSliderColumnWidth / 2 - 8, 0);
}

int OutputStrip::selectedSource() const {
    const int id = buttonGroup_->checkedId();
    return id < 0 ? 0 : id;
}

void OutputStrip::selectSource(int source) {
    const QSignalBlocker blocker(buttonGroup_);
    if (source >= 1 && source <= link::kSourceCount) {
        buttons_.at(static_cast<std::size_t>(source - 1))->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = buttonGroup_->checkedButton()) {
        buttonGroup_->setExclusive(false);
        checked->setChecked(false);
        buttonGroup_->setExclusive(true);
    }
}

void OutputStrip::showMuted(bool muted) {
    const QSignalBlocker blocker(mute_);
    mute_->setChecked(muted);
}

void OutputStrip::setOutputLabel(const QString& label) {
    if (label == outputLabel_)
        return;
    outputLabel_ = label;
    nameControls();
}

void OutputStrip::setSourceLabel(int source, const QString& label) {
    QString& current = sourceLabels_.at(static_cast<std::size_t>(source - 1));
    if (label == current)
        return;
    current = label;
    nameSourceButton(source);
}

void OutputStrip::nameControls() {
    group_->setAccessibleName(QStringLiteral("Zdroj výstupu ") + outputLabel_);
    for (int source = 1; source <= link::kSourceCount; ++source)
        nameSourceButton(source);
    slider_->setAccessibleName(QStringLiteral("Hlasitost výstupu ") + outputLabel_);
    mute_->setAccessibleName(QStringLiteral("Ztlumit výstup ") + outputLabel_);
}

void OutputStrip::nameSourceButton(int source) {
    const auto index = static_cast<std::size_t>(source - 1);
    // One arg() for both, so that a '%' in a configured name stays as it is.
    buttons_.at(index)->setAccessibleName(
        QStringLiteral("Zdroj %1 výstupu %2").arg(sourceLabels_.at(index), outputLabel_));
}

} // namespace orfa::panel
