#include "panel/InputBox.h"

#include "link/ValueCodec.h"
#include "panel/PanelSlider.h"

#include <QGridLayout>
#include <QLabel>

namespace orfa::panel {
namespace {

constexpr std::array<const char16_t*, InputBox::kBands> kBandNames = {u"60Hz", u"250Hz", u"1kHz",
                                                                      u"3kHz", u"10kHz"};

QLabel* smallLabel(const QString& text, QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

} // namespace

InputBox::InputBox(int box, QWidget* parent)
    : QGroupBox(QStringLiteral("Vstup0"), parent)
    , box_(box)
    , sourceLabels_{QString::number(2 * box - 1), QString::number(2 * box)} {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    auto* gain = new PanelSlider(0, link::kGainMaxPosition, this);
    gain->setTickPosition(QSlider::TicksBothSides);
    gain->setTickInterval(1);
    sliders_[0] = gain;
    grid->addWidget(gain, 0, 0, 3, 1, Qt::AlignHCenter);
    grid->addWidget(smallLabel(QStringLiteral("Zisk"), this, Qt::AlignHCenter), 3, 0);

    grid->addWidget(smallLabel(QStringLiteral("+12dB"), this, Qt::AlignRight | Qt::AlignTop), 0, 1);
    grid->addWidget(smallLabel(QStringLiteral("0 dB"), this, Qt::AlignRight | Qt::AlignVCenter), 1,
                    1);
    grid->addWidget(smallLabel(QStringLiteral("-12dB"), this, Qt::AlignRight | Qt::AlignBottom), 2,
                    1);

    for (int band = 1; band <= kBands; ++band) {
        auto* slider = new PanelSlider(0, link::kBandMaxPosition, this);
        slider->setTickPosition(QSlider::TicksRight);
        slider->setTickInterval(2);
        slider->setMark(link::kBandMaxPosition / 2);
        sliders_.at(static_cast<std::size_t>(band)) = slider;
        grid->addWidget(slider, 0, band + 1, 3, 1, Qt::AlignHCenter);

        auto* label = smallLabel(bandName(band), this, Qt::AlignHCenter);
        bandLabels_.at(static_cast<std::size_t>(band - 1)) = label;
        grid->addWidget(label, 3, band + 1);
    }
    for (int row = 0; row < 3; ++row)
        grid->setRowStretch(row, 1);
    nameSliders();
}

QString InputBox::bandName(int band) {
    return QString::fromUtf16(kBandNames.at(static_cast<std::size_t>(band - 1)));
}

void InputBox::setSourceLabel(int source, const QString& label) {
    QString& current = sourceLabels_.at(source == 2 * box_ ? 1 : 0);
    if (label == current)
        return;
    current = label;
    nameSliders();
}

void InputBox::nameSliders() {
    // One arg() for both, so that a '%' in a configured name stays as it is.
    const QString sources =
        QStringLiteral("vstupů %1 a %2").arg(sourceLabels_[0], sourceLabels_[1]);
    sliders_[0]->setAccessibleName(QStringLiteral("Zisk ") + sources);
    for (int band = 1; band <= kBands; ++band) {
        sliders_.at(static_cast<std::size_t>(band))
            ->setAccessibleName(QStringLiteral("Pásmo ") +
                                bandLabels_.at(static_cast<std::size_t>(band - 1))->text() +
                                QLatin1Char(' ') + sources);
    }
}

} // namespace orfa::panel
