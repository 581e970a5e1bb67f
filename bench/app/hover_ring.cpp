#include "hover_ring.h"

#include <QPainter>

#include "board_canvas.h"

namespace bench {

namespace {

// Twips: round a hole with its rim and a terminal's socket alike.
constexpr double kRadius = 80;
constexpr double kHaloWidth = 45, kRingWidth = 24;

}  // namespace

hover_ring::hover_ring(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("hover_ring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    cover_board();
}

void hover_ring::cover_board() {
    setGeometry(parentWidget()->rect());
    update();
}

QRect hover_ring::area_of(board_point at) const {
    const view_scale& scale = scale_of(this);
    const double r = scale.to_pixels(kRadius + kHaloWidth) + 2;
    const QPointF c(scale.to_pixels(at.x), scale.to_pixels(at.y));
    return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r).toAlignedRect();
}

void hover_ring::ring(std::optional<board_point> at) {
    if (at.has_value() == at_.has_value() && (!at || (at->x == at_->x && at->y == at_->y))) return;
    if (at_) update(area_of(*at_));
    at_ = at;
    if (at_) {
        raise();
        update(area_of(*at_));
    }
}

void hover_ring::paintEvent(QPaintEvent*) {
    if (!at_) return;
    const view_scale& scale = scale_of(this);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1 / scale.twips_per_pixel, 1 / scale.twips_per_pixel);
    p.setBrush(Qt::NoBrush);
    const QPointF c(at_->x, at_->y);
    // A light halo under the ring keeps it visible on dark chips and pale board alike.
    p.setPen(QPen(QColor(255, 255, 255, 210), kHaloWidth));
    p.drawEllipse(c, kRadius, kRadius);
    p.setPen(QPen(QColor(255, 80, 0), kRingWidth));
    p.drawEllipse(c, kRadius, kRadius);
}

}  // namespace bench
