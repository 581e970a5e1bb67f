#include "needle_art.h"

#include <QRadialGradient>

#include "art_style.h"

namespace dmeterx::art {

namespace {
constexpr double kNeedleWidth = 20;
constexpr double kCapRadius = 80;
}

void draw_needle(QPainter& painter, twips_point pivot, twips_point tip) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(12, 12, 12), kNeedleWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(to_qt(pivot), to_qt(tip));

    QRadialGradient cap(to_qt(pivot) - QPointF(25, 25), kCapRadius * 1.5);
    cap.setColorAt(0, QColor(120, 124, 130));
    cap.setColorAt(1, QColor(14, 14, 16));
    painter.setPen(QPen(QColor(6, 6, 6), 10));
    painter.setBrush(cap);
    painter.drawEllipse(to_qt(pivot), kCapRadius, kCapRadius);
}

}  // namespace dmeterx::art
