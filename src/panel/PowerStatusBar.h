#pragma once

#include "link/AmpLink.h"
#include "link/AnswerDecoder.h"
#include "model/AmpItem.h"

#include <QStatusBar>

#include <array>
#include <set>

namespace orfa::panel {

class CaptionedLabel;

// The main window's status bar: four panels (connection, sending, power,
// unconfirmed settings). The power panel is drawn bold, red for "Vypnuto" and
// green otherwise. A double click anywhere on the bar asks to toggle the
// amplifier's power. A screen reader hears each panel with what it is ("Stav
// zesilovače: Zapnuto"); the last one says that itself.
class PowerStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 4;
    static constexpr int kConnectionPanel = 0;
    static constexpr int kSendingPanel = 1;
    static constexpr int kPowerPanel = 2;
    static constexpr int kUnconfirmedPanel = 3;

    explicit PowerStatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    CaptionedLabel* panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }
    void setPanelText(int panel, const QString& text);
    // "Odpojeno", "Připojuji..." or "Připojeno <ip>:<port>".
    void showConnection(link::AmpLink::ConnectionState state, const QString& ip,
                        const QString& port);
    // "Odesílám data" or empty.
    void showSending(bool sending);
    // "Zapnuto", "Vypnuto", or empty while the state is not known.
    void showPower(link::PowerState power);
    // See unconfirmedItemsText(); a text too long for the panel is cut, its
    // tool tip and its accessible name hold all of it.
    void showUnconfirmed(const std::set<model::AmpItem>& items);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::array<CaptionedLabel*, kPanels> panels_{};
};

} // namespace orfa::panel
