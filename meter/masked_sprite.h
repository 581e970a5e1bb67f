// Sprites are a picture and a mask of the same size. The mask goes on with AND
// (its white keeps the surface, its black clears it), then the picture with OR,
// so the picture shows where the mask is black and the surface everywhere else.
#pragma once

#include <QImage>
#include <QPoint>

#include "dmeterx_export.h"

namespace dmeterx {

DMETERX_EXPORT void draw_masked(QImage& surface, QPoint at, const QImage& picture, const QImage& mask);

}  // namespace dmeterx
