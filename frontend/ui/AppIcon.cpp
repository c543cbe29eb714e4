#include "frontend/ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillon {

namespace {

/// A dark-red tile with a white quill across it.
QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8b, 0x1a, 0x1a));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QPainterPath feather;
    feather.moveTo(14, 52);
    feather.cubicTo(20, 30, 34, 14, 52, 10);
    feather.cubicTo(48, 26, 36, 42, 18, 50);
    feather.closeSubpath();
    painter.setBrush(QColor(0xf4, 0xee, 0xe0));
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(0xf4, 0xee, 0xe0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 56), QPointF(20, 44));
    return pixmap;
}

}  // namespace

QIcon QuillonIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(DrawIcon(size));
    }
    return icon;
}

}  // namespace quillon
