#pragma once

#include <QSlider>

namespace orfa::panel {

// A vertical slider whose smallest value stands at the top, as on the
// amplifier's front panel, with an optional mark at one value (0 dB). Keys and
// the wheel move the handle the way it looks: Up moves it up.
class PanelSlider : public QSlider {
    Q_OBJECT
public:
    PanelSlider(int minimum, int maximum, int position, QWidget* parent = nullptr);

    void setMark(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mark_ = -1;
};

} // namespace orfa::panel
