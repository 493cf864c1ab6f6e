#pragma once

#include <QSlider>

namespace orfa::panel {

// A vertical slider whose smallest value stands at the top, as on the
// amplifier's front panel, with an optional mark at one value (0 dB). Keys and
// the wheel move the handle the way it looks: Up moves it up.
//
// valueChosen() reports what the operator does with it: the mouse, the keys,
// the wheel, or assistive technology setting the value; never while the slider
// is disabled, which keeps the value it showed. showValue() moves the handle
// without reporting anything, so that a value shown from the amplifier is
// never sent back to it.
class PanelSlider : public QSlider {
    Q_OBJECT
public:
    PanelSlider(int minimum, int maximum, QWidget* parent = nullptr);

    void setMark(int value);
    // A value outside the range puts the handle at the nearer end.
    void showValue(int value);

Q_SIGNALS:
    void valueChosen(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int mark_ = -1;
    int shown_ = 0; // the value last shown or chosen
};

} // namespace orfa::panel
