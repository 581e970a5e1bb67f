#include "masked_sprite.h"

#include <QPainter>

namespace dmeterx {

void draw_masked(QImage& surface, QPoint at, const QImage& picture, const QImage& mask) {
    if (picture.isNull() || mask.isNull()) return;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, picture);
}

}  // namespace dmeterx
