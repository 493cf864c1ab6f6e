#include "panel/PanelSlider.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

namespace orfa::panel {

PanelSlider::PanelSlider(int minimum, int maximum, QWidget* parent)
    : QSlider(Qt::Vertical, parent) {
    setRange(minimum, maximum);
    setInvertedAppearance(true);
    setInvertedControls(true);
    setPageStep(qMax(1, (maximum - minimum) / 10));
    setFocusPolicy(Qt::StrongFocus);
    shown_ = value();
    // Every change but those of showValue(), whose signals are blocked. A
    // disabled slider takes none: it goes back to what it showed.
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) {
        if (!isEnabled()) {
            showValue(shown_);
            return;
        }
        shown_ = value;
        Q_EMIT valueChosen(value);
    });
}

void PanelSlider::showValue(int value) {
    const QSignalBlocker blocker(this);
    setValue(value);
    shown_ = this->value();
}

void PanelSlider::setMark(int value) {
    mark_ = value;
    update();
}

void PanelSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (mark_ < minimum() || mark_ > maximum())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = height() - handle.height();
    const int y = handle.height() / 2 +
                  QStyle::sliderPositionFromValue(minimum(), maximum(), mark_, span, true);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(0, y, 4, y);
    painter.drawLine(width() - 5, y, width() - 1, y);
}

} // namespace orfa::panel
