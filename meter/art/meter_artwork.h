// The pictures the control carries, all drawn by this library's own code.
#pragma once

#include <QImage>
#include <array>

#include "dmeterx_export.h"

namespace dmeterx {

struct meter_artwork {
    QImage dial;                    // the face, with the knob at position 1
    std::array<QImage, 21> knobs;   // by range position 1..20; 0 is unused
    std::array<QImage, 8> red_plugs;    // pictures 0, 2, 4, 6; each mask follows its picture
    std::array<QImage, 4> black_plugs;  // pictures 0 and 2, each followed by its mask
};

// Drawn once, on first use; needs the application's fonts.
DMETERX_EXPORT const meter_artwork& artwork();

}  // namespace dmeterx
