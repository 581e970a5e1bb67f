// Circuit records to circuit text (the `cirtool dump` side).
#include <algorithm>

#include "catalogue.h"
#include "chip_position.h"
#include "circuit.h"
#include "circuit_text.h"
#include "circuit_words.h"
#include "wire_route.h"

namespace cirtool {

namespace {

// Notes start in this column, or two blanks after a longer line.
constexpr std::size_t kNoteColumn = 40;

std::string without_trailing_blanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string wire_line(const bench::circuit_record& r) {
    const grid_point from{r.start_row, r.start_column};
    const grid_point to{r.end_row, r.end_column};
    std::string line = "wire " + point_word(from) + ' ' + point_word(to) + ' ' +
                       colour_word(static_cast<bench::rgb_colour>(r.colour));
    const int count = r.points[0];
    if (count == 0) return line + " points -";
    std::vector<bench::wire_point> points;
    for (int k = 1; k <= count; ++k) points.push_back({r.points[2 * k - 1], r.points[2 * k]});
    const auto moves = route_of_points(drawn_place(from.row, from.column), drawn_place(to.row, to.column), points);
    if (moves) {
        if (!moves->empty()) line += " via";
        for (const route_move& m : *moves) line += std::string(" ") + m.axis + '=' + std::to_string(m.value);
        return line;
    }
    line += " points";
    for (const bench::wire_point& p : points) line += ' ' + std::to_string(p.x) + ',' + std::to_string(p.y);
    return line;
}

std::string chip_line(const bench::circuit_record& r) {
    const std::string model = without_trailing_blanks(r.model);
    std::string line = "chip " + quoted(model);
    if (const auto pin_one = pin_one_for_corner({r.left, r.top}, r.mount_kind, r.chip_class))
        line += " at " + std::to_string(pin_one->row) + ' ' + std::to_string(pin_one->column);
    else
        line += " left=" + std::to_string(r.left) + " top=" + std::to_string(r.top);

    std::int16_t mount_kind = 0, pin_count = 0, chip_class = 0;
    std::string description;
    const int row = lgsim::catalogue_row_of(model);
    if (row >= 0) {
        const lgsim::catalogue_entry& entry = lgsim::kCatalogue[static_cast<std::size_t>(row)];
        mount_kind = entry.mount_kind;
        pin_count = entry.pin_count;
        chip_class = entry.chip_class;
        description = std::string(entry.description);
    }
    if (r.record_kind != bench::kChipRecord) line += " kind=" + std::to_string(r.record_kind);
    if (r.mount_kind != mount_kind) line += " mount=" + std::to_string(r.mount_kind);
    if (r.pin_count != pin_count) line += " pins=" + std::to_string(r.pin_count);
    if (r.chip_class != chip_class) line += " class=" + std::to_string(r.chip_class);
    const std::string stored_description = without_trailing_blanks(r.description);
    if (stored_description != description) line += " desc=" + quoted(stored_description);
    return line;
}

// Columns a terminal gives UTF-8 text: two for the wide (CJK) characters.
std::size_t columns_of(const std::string& utf8) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = lead;
        if (length == 3 && i + 2 < utf8.size())
            code = (lead & 0x0F) << 12 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6 |
                   (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
        columns += length >= 3 && code >= 0x2E80 ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string with_note(std::string line, const std::string& note) {
    if (note.empty()) return line + '\n';
    const std::size_t columns = columns_of(line);
    if (columns < kNoteColumn - 2) line.append(kNoteColumn - 2 - columns, ' ');
    return line + "  # " + note + '\n';
}

std::string note_at(const std::vector<std::string>& notes, std::size_t i) {
    return i < notes.size() ? notes[i] : std::string();
}

}  // namespace

std::string text_from_records(const std::vector<bench::circuit_record>& records, const circuit_notes& notes) {
    std::string text;
    std::size_t wires = 0, chips = 0;
    for (const bench::circuit_record& r : records) {
        if (r.record_kind == bench::kEndRecord) break;
        if (r.record_kind == bench::kWireRecord)
            text += with_note(wire_line(r), note_at(notes.wires, wires++));
        else
            text += with_note(chip_line(r), note_at(notes.chips, chips++));
    }
    return text;
}

}  // namespace cirtool
