#pragma once

#include "scope_tables.h"

#include <array>

namespace dscopex {

// Positions of every knob and switch on the front panel. Channels are
// indexed 0 (channel 1) and 1 (channel 2).
struct ScopePanel {
    std::array<int, 2> volts_position{1, 1};  // 1 to 12, kVoltsPerDivision
    int time_position = 6;                    // 1 to 20, kTimePerDivision
    std::array<int, 2> coupling{kCouplingAc, kCouplingAc};
    int display_mode = kModeChannel1;
    int two_position = 0;                     // drawn only
    std::array<float, 2> offset{0, 0};        // fifths of a division, up positive
    std::array<int, 2> position_frame{1, 1};  // 1 to 10, the position knob's picture
    bool display_on = false;

    // The three big knobs grow while the mouse is over them.
    std::array<bool, 2> volts_enlarged{false, false};
    bool time_enlarged = false;
};

// One step of a knob or switch: up with the left button, down with any
// other, never past the ends.
inline int stepped(int position, int last, bool left_button) {
    if (left_button) return position < last ? position + 1 : last;
    return position > 1 ? position - 1 : 1;
}

// Offset a position knob gives its channel with the mouse at control y
// (twips): zero at the knob's rest line, 32 fifths of a division for every
// 1455 twips above it.
inline float position_offset(int channel, double y) {
    const double rest = channel == 0 ? 1455.0 : 3450.0;
    return static_cast<float>((rest - y) / 1455.0 * 32.0);
}

// The position knob's picture turns one frame per mouse move: back when the
// mouse came down (or stayed), forward when it went up.
inline int turned_frame(int frame, double last_y, double y) {
    if (y >= last_y) return frame > 1 ? frame - 1 : 1;
    return frame < kPositionKnobFrames ? frame + 1 : kPositionKnobFrames;
}

}  // namespace dscopex
