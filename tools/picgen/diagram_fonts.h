// Fonts of the pin-out diagrams. The descriptions and function lines are
// Chinese, so a CJK face comes first; the others are what the machine may
// offer instead. Qt falls back further by itself when none of them exists.
#pragma once

#include <QFont>

namespace picgen {

QFont diagram_font(int pixel_size, bool bold = false);

}  // namespace picgen
