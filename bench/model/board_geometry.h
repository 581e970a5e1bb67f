// The fixed grid of connection points of the trainer board and its places on
// the `board` picture. Board coordinates are twips (X right, Y down).
#pragma once

#include <cstdint>

namespace bench {

inline constexpr int kGridRows = 37;     // rows 0..36
inline constexpr int kGridColumns = 65;  // columns 0..64
inline constexpr int kLedRow = 35;       // LED inputs and the display module's pins
inline constexpr int kTerminalRow = 36;  // switches, clock, pulse buttons, supply, ground

inline constexpr double kPitch = 112;           // hole pitch, twips
inline constexpr double kHitWindow = kPitch / 2;  // 56 twips
inline constexpr double kBoardWidth = 10600;
inline constexpr double kBoardHeight = 7335;

// The one place where board twips become screen pixels. Picture files (chip
// outlines, pin-out diagrams) are stored, and the program's small windows laid
// out, at 15 twips to a pixel; a view of the board scales from there. A window
// keeps its own scale and zooming changes only that: board coordinates, hit
// tests, stored positions and circuit files stay in twips.
inline constexpr double kFileTwipsPerPixel = 15;

struct view_scale {
    double twips_per_pixel = kFileTwipsPerPixel;

    constexpr double to_pixels(double twips) const { return twips / twips_per_pixel; }
    constexpr double to_twips(double pixels) const { return pixels * twips_per_pixel; }
    // 1 at the files' own scale, 2 when everything is drawn twice as large.
    constexpr double zoom() const { return kFileTwipsPerPixel / twips_per_pixel; }
    static constexpr view_scale at_zoom(double zoom) { return {kFileTwipsPerPixel / zoom}; }
};

// The scale of picture files and of the windows that show them unscaled.
inline constexpr view_scale kFileScale{};

// Terminal columns of row 36.
inline constexpr int kClockColumn = 16;
inline constexpr int kPulse0Column = 17;
inline constexpr int kPulse1Column = 18;
inline constexpr int kSupplyColumn = 22;
inline constexpr int kGroundColumn = 26;
// Display module columns of row 35.
inline constexpr int kDigit1CommonColumn = 16;
inline constexpr int kDigit2CommonColumn = 17;
inline constexpr int kFirstSegmentColumn = 18;
inline constexpr int kLastSegmentColumn = 25;

struct board_point {
    double x = 0;
    double y = 0;
};

// Rows 0..34 belong to groups 0..6 (five rows each); rows 35 and 36 are their own group.
constexpr int group_of_row(int row) { return row >= 35 ? row : row / 5; }

// The centre of a connection point, or (0, 0) for a pair without a place.
board_point point_position(int row, int column);

// True when the point has a place on the picture.
bool has_place(int row, int column);

struct hit {
    int row = -1;
    int column = -1;
    board_point at;  // the point's centre on a hit, the given position otherwise
};

// The first point, in row then column order, strictly within half a pitch of
// (x, y) in both axes.
hit hit_test(double x, double y);

}  // namespace bench
