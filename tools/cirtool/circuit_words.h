// The words of the circuit text (see circuit_text.h): splitting a line into
// words, quoting, and the names of board points and wire colours.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "circuit.h"

namespace cirtool {

// A line split into words. Blanks separate words; a double-quoted stretch
// keeps blanks and '#' inside one word (\" and \\ stand for themselves, \xHH
// for a byte). A comment starts at a '#' that begins the line's text or that
// follows a blank and is followed by a blank or the line's end, so colour
// words such as #FF0000 are words.
struct split_line {
    std::vector<std::string> words;
    bool ok = true;  // false: a quote left open or a bad escape
};
split_line split_words(std::string_view line);

// A word as split_words reads it back: quoted when it is empty or holds a
// blank, a quote, a backslash, a '#', an '=' or a control character.
std::string quoted(std::string_view word);

struct grid_point {
    int row = 0;
    int column = 0;
    bool operator==(const grid_point&) const = default;
};

// Board points by name: sw0..sw15, clock, pulse0, pulse1, vcc and gnd on the
// terminal row; led0..led15, com1, com2 and seg.a..seg.g, seg.dp on the LED
// row. Every other connection point, breadboard holes included, is ROW:COLUMN.
std::string point_word(grid_point p);
std::optional<grid_point> point_from_word(std::string_view word);

// Colours by name (red, black, pink, blue, green, lime, purple, orange,
// salmon), otherwise #RRGGBB, or #AARRGGBB when the unused top byte is set.
std::string colour_word(bench::rgb_colour colour);
std::optional<bench::rgb_colour> colour_from_word(std::string_view word);

// A whole decimal number within [lowest, highest].
std::optional<int> number_from_word(std::string_view word, int lowest, int highest);

}  // namespace cirtool
