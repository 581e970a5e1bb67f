// A picture drawn by code in twips. It is painted at whatever size and device
// pixel ratio it is shown at, so it stays crisp at every zoom and on every
// screen; nothing is stored as pixels.
#pragma once

#include <QPixmap>
#include <functional>

class QPainter;

namespace bench::art {

struct drawing {
    double width = 0;   // twips
    double height = 0;  // twips
    std::function<void(QPainter&)> paint;  // draws in twips, origin at the top left
    // Two drawings with one key are the same picture; 0 for none.
    quint64 key = 0;

    bool empty() const { return !paint; }
    // Paints into `target` (device pixels of the painter), stretched to fill it.
    void paint_into(QPainter& painter, const QRectF& target) const;
    // The drawing as pixels, `size` logical pixels at `dpr`.
    QPixmap to_pixmap(QSize size, qreal dpr) const;
};

// A drawing of width x height twips with a fresh key.
drawing make_drawing(double width, double height, std::function<void(QPainter&)> paint);

}  // namespace bench::art
