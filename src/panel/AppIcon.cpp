#include "panel/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orfa::panel {

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setBrush(QColor(0x1F, 0x5F, 0xA8));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(2, 2, 60, 60, 12, 12);
        QPainterPath speaker;
        speaker.moveTo(14, 26);
        speaker.lineTo(24, 26);
        speaker.lineTo(36, 14);
        speaker.lineTo(36, 50);
        speaker.lineTo(24, 38);
        speaker.lineTo(14, 38);
        speaker.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(30, 20, 16, 24), -50 * 16, 100 * 16);
        p.drawArc(QRectF(30, 12, 24, 40), -50 * 16, 100 * 16);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace orfa::panel
