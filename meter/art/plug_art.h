// The plug sprites: each picture is black where its mask is white.
#pragma once

#include <QImage>
#include <array>

namespace dmeterx::art {

// Red plug pictures 0 to 7: picture number zoom * 4 + plugged * 2, its mask next.
std::array<QImage, 8> draw_red_plugs();
// Black plug pictures 0 to 3: zoomed picture and mask, then the normal pair.
std::array<QImage, 4> draw_black_plugs();

}  // namespace dmeterx::art
