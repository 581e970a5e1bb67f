// Widget geometry is laid out in twips, like the board; these turn twips into
// the widget pixels of a view through its scale, the one conversion there is.
#pragma once

#include <QRect>
#include <QRectF>
#include <cmath>

#include "board_geometry.h"

namespace bench {

inline int px(const view_scale& scale, double twips) {
    return static_cast<int>(std::lround(scale.to_pixels(twips)));
}

// The edges are rounded, not the size: neighbours given in twips stay
// neighbours in pixels at every zoom.
inline QRect twips_rect(const view_scale& scale, double left, double top, double width, double height) {
    const int l = px(scale, left), t = px(scale, top);
    return QRect(l, t, px(scale, left + width) - l, px(scale, top + height) - t);
}

inline double twips_of(const view_scale& scale, double pixels) { return scale.to_twips(pixels); }

inline QRectF twips_of(const view_scale& scale, const QRect& pixels) {
    return QRectF(scale.to_twips(pixels.x()), scale.to_twips(pixels.y()), scale.to_twips(pixels.width()),
                  scale.to_twips(pixels.height()));
}

}  // namespace bench
