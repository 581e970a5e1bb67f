// Where the display update's segments are drawn on the board, twips, and in
// which colours. The window draws the segment states of the bench with these.
#pragma once

#include <array>

#include "board_geometry.h"
#include "circuit.h"

namespace bench {

struct segment_line {
    board_point from;
    board_point to;
};

// The seven-segment module's picture is copied onto the board here.
inline constexpr board_point kModulePictureAt{8910, 2175};
// A right press inside this area shows the module's pin-out (strictly inside).
inline constexpr double kModuleAreaLeft = 8955;
inline constexpr double kModuleAreaRight = 10440;
inline constexpr double kModuleAreaTop = 2205;
inline constexpr double kModuleAreaBottom = 3615;

// Segment columns 18..25 (top, upper right, lower right, bottom, lower left,
// upper left, middle, point) of digit 1 and digit 2.
inline constexpr std::array<std::array<segment_line, 8>, 2> kModuleSegmentLines{{
    {{{{9545, 2460}, {9675, 2460}},
      {{9720, 2490}, {9690, 2630}},
      {{9683, 2690}, {9653, 2830}},
      {{9470, 2870}, {9620, 2870}},
      {{9460, 2690}, {9430, 2830}},
      {{9500, 2490}, {9460, 2630}},
      {{9520, 2650}, {9640, 2650}},
      {{9720, 2870}, {9730, 2870}}}},
    {{{{10015, 2460}, {10145, 2460}},
      {{10190, 2490}, {10160, 2630}},
      {{10153, 2690}, {10123, 2830}},
      {{9940, 2870}, {10090, 2870}},
      {{9930, 2690}, {9900, 2830}},
      {{9960, 2490}, {9930, 2630}},
      {{9990, 2660}, {10110, 2660}},
      {{10190, 2850}, {10200, 2850}}}},
}};
inline constexpr rgb_colour kModuleLitColour = rgb(250, 120, 100);
inline constexpr rgb_colour kModuleDarkColour = rgb(195, 195, 195);
inline constexpr int kModuleSegmentPenWidth = 3;

// Display chips: the segment line of a pin, relative to the chip picture's
// left and top. Pins 5 and 8 are the commons.
struct display_segment {
    int pin;
    segment_line line;
};
inline constexpr std::array<display_segment, 8> kDisplayChipSegments{{
    {6, {{170, 90}, {424, 90}}},     // top
    {4, {{480, 130}, {480, 360}}},   // upper right
    {2, {{480, 460}, {480, 670}}},   // lower right
    {10, {{170, 704}, {424, 704}}},  // bottom
    {9, {{120, 460}, {120, 660}}},   // lower left
    {7, {{120, 130}, {120, 360}}},   // upper left
    {3, {{170, 404}, {424, 404}}},   // middle
    {1, {{540, 704}, {540, 707}}},   // point
}};
inline constexpr rgb_colour kDisplayLitColour = rgb(250, 5, 10);
inline constexpr rgb_colour kDisplayDarkColour = rgb(125, 135, 135);
inline constexpr int kDisplaySegmentPenWidth = 3;

}  // namespace bench
