#include "panel/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace orfa::panel {

namespace {

// Paints the loudspeaker at whatever size is asked for, when it is asked
// for: the window system takes the sizes it needs as the window is mapped,
// and a platform that shows no window icon never pays for the painting.
class SpeakerIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 64.0, rect.height() / 64.0);
        painter->setBrush(QColor(0x1F, 0x5F, 0xA8));
        painter->setPen(Qt::NoPen);
        painter->drawRoundedRect(2, 2, 60, 60, 12, 12);
        QPainterPath speaker;
        speaker.moveTo(14, 26);
        speaker.lineTo(24, 26);
        speaker.lineTo(36, 14);
        speaker.lineTo(36, 50);
        speaker.lineTo(24, 38);
        speaker.lineTo(14, 38);
        speaker.closeSubpath();
        painter->setBrush(Qt::white);
        painter->drawPath(speaker);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter->drawArc(QRectF(30, 20, 16, 24), -50 * 16, 100 * 16);
        painter->drawArc(QRectF(30, 12, 24, 40), -50 * 16, 100 * 16);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return {{16, 16}, {22, 22}, {32, 32}, {48, 48}, {64, 64}};
    }

    QIconEngine* clone() const override { return new SpeakerIconEngine; }
    QString key() const override { return QStringLiteral("orfa-speaker"); }
};

} // namespace

QIcon appIcon() {
    // QIcon owns its engine.
    return QIcon(new SpeakerIconEngine);
}

} // namespace orfa::panel
