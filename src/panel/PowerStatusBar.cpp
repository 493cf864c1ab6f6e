#include "panel/PowerStatusBar.h"

#include "panel/CaptionedLabel.h"
#include "panel/UnconfirmedItemsText.h"

#include <QMouseEvent>
#include <QPainter>

namespace orfa::panel {
namespace {

class PowerPanel : public CaptionedLabel {
public:
    using CaptionedLabel::CaptionedLabel;

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
constexpr std::array<const char16_t*, PowerStatusBar::kPanels> kCaptions = {
    u"Spojení se zesilovačem", u"Odesílání", u"Stav zesilovače", u""};

} // namespace

PowerStatusBar::PowerStatusBar(QWidget* parent)
    : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < kPanels; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const QString caption = QString::fromUtf16(kCaptions.at(index));
        CaptionedLabel* panel =
            i == kPowerPanel ? new PowerPanel(caption, this) : new CaptionedLabel(caption, this);
        panel->setMinimumWidth(kWidths.at(index));
        panel->setFrameShape(QFrame::StyledPanel);
        panels_.at(index) = panel;
        addWidget(panel, i == kPanels - 1 ? 1 : 0);
    }
    // The window's size must not follow the length of the message.
    panels_[kUnconfirmedPanel]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    showConnection(link::AmpLink::ConnectionState::Disconnected, {}, {});
    setToolTip(QStringLiteral("Dvojklikem zapnete nebo vypnete zesilovač"));
}

QString PowerStatusBar::panelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel))->text();
}

void PowerStatusBar::setPanelText(int panel, const QString& text) {
    panels_.at(static_cast<std::size_t>(panel))->setShownText(text);
}

void PowerStatusBar::showConnection(link::AmpLink::ConnectionState state, const QString& ip,
                                    const QString& port) {
    using State = link::AmpLink::ConnectionState;
    QString text = QStringLiteral("Odpojeno");
    if (state == State::Connecting)
        text = QStringLiteral("Připojuji...");
    else if (state == State::Connected)
        text = QStringLiteral("Připojeno ") + ip + u':' + port;
    setPanelText(kConnectionPanel, text);
}

void PowerStatusBar::showSending(bool sending) {
    setPanelText(kSendingPanel, sending ? QStringLiteral("Odesílám data") : QString());
}

void PowerStatusBar::showPower(link::PowerState power) {
    QString text;
    if (power == link::PowerState::On)
        text = QStringLiteral("Zapnuto");
    else if (power == link::PowerState::Off)
        text = QStringLiteral("Vypnuto");
    setPanelText(kPowerPanel, text);
}

void PowerStatusBar::showUnconfirmed(const std::set<model::AmpItem>& items) {
    const QString text = unconfirmedItemsText(items);
    setPanelText(kUnconfirmedPanel, text);
    panels_[kUnconfirmedPanel]->setToolTip(text);
}

void PowerStatusBar::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT doubleClicked();
}

} // namespace orfa::panel
