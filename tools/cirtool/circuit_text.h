// The circuit text: a circuit file as readable lines, one per record, in the
// file's order (wires, then chips). `cirtool build` writes the file of a
// text, `cirtool dump` prints the text of a file, and dumping what was built
// gives back the same lines.
//
//   wire FROM TO COLOUR [ROUTE]
//   chip MODEL at ROW COLUMN [FIELD=VALUE...]
//   chip MODEL left=TWIPS top=TWIPS [FIELD=VALUE...]
//
// FROM and TO are connection points: ROW:COLUMN (16:10 is a breadboard hole)
// or a terminal's name (sw0..sw15, clock, pulse0, pulse1, vcc, gnd, led0..led15,
// com1, com2, seg.a..seg.g, seg.dp). COLOUR is a name (red, black, pink, blue,
// green, lime, purple, orange, salmon) or #RRGGBB.
//
// ROUTE is what the wire draws between its two ends: nothing for a straight
// line; "via" and moves such as "y=2200 x=1400" for a right-angled route
// (wire_route.h); "points -" for a contact wire that is not drawn; or
// "points X,Y X,Y ..." for any other polyline, ends included.
//
// A chip's place is the hole of its pin 1 ("at 15 10": pin 1 on row 15,
// column 10), or the picture's corner in twips when it sits on no hole.
// Fields equal to the catalogue's are left out: kind= (record kind, 2),
// mount=, pins=, class= and desc= (the description). A model that the
// catalogue does not know has none of them by default.
//
// Blank lines and comments ('#' and a blank, to the end of the line) are
// skipped. Dump ends each line with a comment of its own: the chip number of
// a chip (U1 is the first chip line), and for a wire the chip pins on the
// strips of its ends (U1.14 is pin 14 of U1).
#pragma once

#include <string>
#include <vector>

#include "circuit_file.h"

namespace cirtool {

struct built_records {
    std::vector<bench::circuit_record> records;  // the file's records, end record last
    int error_line = 0;                          // 0: no error
    std::string error;
};

// The records a text stands for, filled the way the bench's save command
// fills its record buffer, so the bytes are the ones saving writes. Refuses
// what a file cannot keep or the bench could not load.
built_records records_from_text(const std::string& text);

// What dump writes after the lines: one note per wire and one per chip, in
// the order of the wire and chip lines.
struct circuit_notes {
    std::vector<std::string> wires;
    std::vector<std::string> chips;
};

// The text of the records of a file (without the end record).
std::string text_from_records(const std::vector<bench::circuit_record>& records, const circuit_notes& notes);

}  // namespace cirtool
