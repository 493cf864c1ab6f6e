#include "panel/PowerStatusBar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace orfa::panel {
namespace {

class PowerPanel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const bool off = text() == QStringLiteral("Vypnuto");
        painter.setPen(off ? QColor(0xC0, 0x00, 0x00) : QColor(0x00, 0x80, 0x00));
        painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text());
    }
};

constexpr std::array<int, PowerStatusBar::kPanels> kWidths = {200, 120, 70, 60};

} // namespace

PowerStatusBar::PowerStatusBar(QWidget* parent)
    : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < kPanels; ++i) {
        QLabel* panel = i == kPowerPanel ? new PowerPanel(this) : new QLabel(this);
        panel->setMinimumWidth(kWidths.at(static_cast<std::size_t>(i)));
        panel->setFrameShape(QFrame::StyledPanel);
        panels_.at(static_cast<std::size_t>(i)) = panel;
        addWidget(panel, i == kPanels - 1 ? 1 : 0);
    }
    panels_[0]->setText(QStringLiteral("Odpojeno"));
    panels_[kPowerPanel]->setText(QStringLiteral("Zapnuto"));
    panels_[kPowerPanel]->setAccessibleName(QStringLiteral("Stav zesilovače"));
    setToolTip(QStringLiteral("Dvojklikem zapnete nebo vypnete zesilovač"));
}

QString PowerStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void PowerStatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setText(text);
}

void PowerStatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT doubleClicked();
}

} // namespace orfa::panel
