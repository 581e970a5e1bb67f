// Draws the segments of display chips and of the board's display module onto
// the board's layer, as the bench model shows them, drawing a segment only
// when its look changed since it was last drawn there.
#pragma once

#include <array>
#include <vector>

#include "bench_model.h"
#include "board_view.h"

namespace bench {

class indicator_painter {
public:
    indicator_painter(const bench_model& bench, board_view& board) : bench_(bench), board_(board) {}

    // Draws what changed; everything again after the layer was cleared or rescaled.
    void draw();

private:
    struct drawn_chip {
        double left = 0;
        double top = 0;
        std::array<segment_look, kPinSlots> segments{};
    };

    const bench_model& bench_;
    board_view& board_;
    int generation_ = -1;
    std::vector<drawn_chip> chips_;  // entry k: chip k as last drawn
    std::array<std::array<segment_look, kSegmentCount>, 2> module_{};
};

}  // namespace bench
