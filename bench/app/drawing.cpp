#include "drawing.h"

#include <QPainter>
#include <atomic>

namespace bench::art {

void drawing::paint_into(QPainter& painter, const QRectF& target) const {
    if (empty() || width <= 0 || height <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / width, target.height() / height);
    paint(painter);
    painter.restore();
}

QPixmap drawing::to_pixmap(QSize size, qreal dpr) const {
    if (empty() || size.isEmpty()) return {};
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint_into(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return pm;
}

drawing make_drawing(double width, double height, std::function<void(QPainter&)> paint) {
    static std::atomic<quint64> next_key{1};
    return drawing{width, height, std::move(paint), next_key++};
}

}  // namespace bench::art
