// Widget geometry is laid out in twips, like the board; this turns a twips
// rectangle into the widget pixels through the one conversion helper.
#pragma once

#include <QRect>
#include <cmath>

#include "board_geometry.h"

namespace bench {

inline int px(double twips) { return static_cast<int>(std::lround(to_pixels(twips))); }

inline QRect twips_rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline double twips_of(int pixels) { return to_twips(pixels); }

}  // namespace bench
