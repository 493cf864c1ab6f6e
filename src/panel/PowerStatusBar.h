#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace orfa::panel {

// The main window's status bar: four panels (connection, sending, power, -).
// The power panel is drawn bold, red for "Vypnuto" and green otherwise. A
// double click anywhere on the bar asks to toggle the amplifier's power.
class PowerStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanels = 4;
    static constexpr int kPowerPanel = 2;

    explicit PowerStatusBar(QWidget* parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, kPanels> panels_{};
};

} // namespace orfa::panel
