// The circuit the bench holds: placed chips and drawn wires, as plain values.
// Chips and wires are numbered from 1; the bench keeps the lists dense, so
// removing one moves every later one down by one.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "value_codes.h"

namespace bench {

// Colours are 0x00BBGGRR, as stored in circuit files.
using rgb_colour = std::uint32_t;
constexpr rgb_colour rgb(int red, int green, int blue) {
    return static_cast<rgb_colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int red_of(rgb_colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(rgb_colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blue_of(rgb_colour c) { return static_cast<int>(c >> 16 & 0xFF); }

inline constexpr int kPinSlots = lgsim::kMaxPinNumber + 1;  // pins 0..60, pin 0 holds nothing
inline constexpr int kMaxWirePoints = 20;
// Node numbers cross the engine interface as 16-bit values; a circuit never
// needs more nodes than its wires and chip pins together.
inline constexpr int kMaxNodeNumber = 32767;

// A chip picture's place on the board, twips.
struct picture_rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The picture a chip gets when it is created from a file or re-created after
// a deletion, until its outline is loaded.
inline constexpr double kTemplatePictureWidth = 990;
inline constexpr double kTemplatePictureHeight = 375;

// Where one chip pin sits on the grid. A chip that has never been seated has
// row -1 on every pin and matches no wire end.
struct pin_place {
    int row = -1;
    int column = -1;
    int group = -1;
};

// How the latest display update left a segment: undrawn after a clearing
// board redraw (the picture's own look), then drawn dark or lit.
enum class segment_look : std::uint8_t { undrawn, dark, lit };

struct chip {
    std::string model;  // as taken; a loaded file may add trailing blanks (users trim it)
    std::int16_t mount_kind = 1;  // 1: pin rows on consecutive grid rows; 2: five rows apart
    std::int16_t pin_count = 0;
    std::int16_t chip_class = 1;  // 1 combinational, 2 clocked or latching, 4 display
    std::string description;
    picture_rect picture;
    std::array<pin_place, kPinSlots> places{};
    // Display chips (class 4) only: segment of each pin as last drawn.
    std::array<segment_look, kPinSlots> segments{};

    bool seated() const { return places[1].row >= 0; }
};

struct wire_point {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

struct wire {
    std::int16_t start_row = 0;
    std::int16_t start_column = 0;
    std::int16_t end_row = 0;
    std::int16_t end_column = 0;
    std::int16_t start_group = 0;
    std::int16_t end_group = 0;
    rgb_colour colour = 0;
    std::int16_t node = -1;  // -1 until node numbering
    // The drawn polyline, 0 to 20 points, twips. Instrument probes join the
    // circuit as contact wires: both ends on the probe's point, no points.
    std::vector<wire_point> points;

    bool is_contact() const { return start_row == end_row && start_column == end_column; }
    bool has_end_at(int row, int column) const {
        return (start_row == row && start_column == column) ||
               (end_row == row && end_column == column);
    }
};

}  // namespace bench
