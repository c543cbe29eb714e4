#include "frontend/ui/BusyIndicator.h"

#include <QPainter>
#include <QtMath>

#include "frontend/ui/DialogSupport.h"

namespace quillon {

namespace {

constexpr int ICON_SIZE = 32;
constexpr int DOT_RADIUS = 3;
constexpr int RING_RADIUS = 11;

/// A ring of eight dots whose brightest dot stands at `step`, the others fading behind it.
QPixmap DrawFrame(int step, const QColor& ink) {
    QPixmap pixmap(ICON_SIZE, ICON_SIZE);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int dot = 0; dot < BusyIndicator::FRAME_COUNT; ++dot) {
        const int behind = (step - dot + BusyIndicator::FRAME_COUNT) % BusyIndicator::FRAME_COUNT;
        QColor colour = ink;
        colour.setAlphaF(1.0 - 0.11 * behind);
        painter.setBrush(colour);
        const double angle = 2.0 * M_PI * dot / BusyIndicator::FRAME_COUNT - M_PI / 2.0;
        const QPointF centre(ICON_SIZE / 2.0 + RING_RADIUS * std::cos(angle),
                             ICON_SIZE / 2.0 + RING_RADIUS * std::sin(angle));
        painter.drawEllipse(centre, DOT_RADIUS, DOT_RADIUS);
    }
    return pixmap;
}

}  // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QLabel(parent) {
    WithId(this, ID_BUSY_INDICATOR);
    const QColor ink = palette().color(QPalette::Highlight);
    for (int step = 0; step < FRAME_COUNT; ++step) {
        frames[static_cast<std::size_t>(step)] = DrawFrame(step, ink);
    }
    setFixedSize(ICON_SIZE, ICON_SIZE);
    // The layout keeps the indicator's room, so nothing moves when it appears.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

void BusyIndicator::Start() {
    frame = 0;
    setPixmap(frames[0]);
    show();
    repaint();
}

void BusyIndicator::Advance() {
    frame = (frame + 1) % FRAME_COUNT;
    setPixmap(frames[static_cast<std::size_t>(frame)]);
    repaint();
}

void BusyIndicator::Stop() {
    hide();
}

}  // namespace quillon
