// Circuit text to circuit records (the `cirtool build` side).
#include <map>
#include <optional>
#include <sstream>

#include "board_geometry.h"
#include "catalogue.h"
#include "chip_position.h"
#include "circuit.h"
#include "circuit_text.h"
#include "circuit_words.h"
#include "wire_route.h"

namespace cirtool {

namespace {

constexpr int kLowest16 = -32768;
constexpr int kHighest16 = 32767;

struct line_error {
    std::string message;
};

// What the text says about one chip beyond its model.
struct chip_fields {
    std::int16_t kind = bench::kChipRecord;
    std::int16_t mount_kind = 0;
    std::int16_t pin_count = 0;
    std::int16_t chip_class = 0;
    std::string description;
};

chip_fields catalogue_fields(const std::string& model) {
    chip_fields f;
    const int row = lgsim::catalogue_row_of(model);
    if (row < 0) return f;
    const lgsim::catalogue_entry& entry = lgsim::kCatalogue[static_cast<std::size_t>(row)];
    f.mount_kind = entry.mount_kind;
    f.pin_count = entry.pin_count;
    f.chip_class = entry.chip_class;
    f.description = std::string(entry.description);
    return f;
}

std::int16_t number16(const std::string& word, const char* what) {
    const auto n = number_from_word(word, kLowest16, kHighest16);
    if (!n) throw line_error{std::string("not a 16-bit number for ") + what + ": " + quoted(word)};
    return static_cast<std::int16_t>(*n);
}

// A file keeps text in a fixed-width field, filled with blanks: text that
// comes back different would not survive a build and a dump.
void check_field_keeps(const std::string& text, int width, const char* what) {
    std::string back = bench::from_gbk(bench::gbk_field(text, width).constData(), width);
    while (!back.empty() && back.back() == ' ') back.pop_back();
    if (back != text)
        throw line_error{std::string("the ") + what + " field cannot keep " + quoted(text) + " (at most " +
                         std::to_string(width) + " bytes of GBK text, no trailing blanks)"};
}

std::vector<bench::wire_point> route_words(const std::vector<std::string>& words, std::size_t first,
                                           bench::wire_point start, bench::wire_point end) {
    if (first >= words.size()) return {start, end};
    if (words[first] == "via") {
        if (first + 1 >= words.size()) throw line_error{"via without moves"};
        std::vector<route_move> moves;
        for (std::size_t i = first + 1; i < words.size(); ++i) {
            const std::string& w = words[i];
            if (w.size() < 3 || (w[0] != 'x' && w[0] != 'y') || w[1] != '=')
                throw line_error{"not a move (x=TWIPS or y=TWIPS): " + quoted(w)};
            moves.push_back({w[0], number16(w.substr(2), "a move")});
        }
        return points_of_route(start, end, moves);
    }
    if (words[first] == "points") {
        if (first + 2 == words.size() && words[first + 1] == "-") return {};
        if (first + 1 >= words.size()) throw line_error{"points without points (use points - for none)"};
        std::vector<bench::wire_point> points;
        for (std::size_t i = first + 1; i < words.size(); ++i) {
            const std::string& w = words[i];
            const std::size_t comma = w.find(',');
            if (comma == std::string::npos) throw line_error{"not a point (X,Y): " + quoted(w)};
            points.push_back({number16(w.substr(0, comma), "a point"), number16(w.substr(comma + 1), "a point")});
        }
        return points;
    }
    throw line_error{"a wire's route starts with via or points, not " + quoted(words[first])};
}

grid_point point_or_throw(const std::string& word) {
    const auto p = point_from_word(word);
    if (!p) throw line_error{"not a connection point: " + quoted(word)};
    return *p;
}

bench::circuit_record wire_record(const std::vector<std::string>& words) {
    if (words.size() < 4) throw line_error{"a wire needs FROM TO COLOUR"};
    const grid_point from = point_or_throw(words[1]);
    const grid_point to = point_or_throw(words[2]);
    const auto colour = colour_from_word(words[3]);
    if (!colour) throw line_error{"not a colour: " + quoted(words[3])};
    const std::vector<bench::wire_point> points =
        route_words(words, 4, drawn_place(from.row, from.column), drawn_place(to.row, to.column));
    if (static_cast<int>(points.size()) > bench::kMaxWirePoints)
        throw line_error{"a wire draws at most " + std::to_string(bench::kMaxWirePoints) + " points, this one " +
                         std::to_string(points.size())};

    bench::circuit_record r;
    r.record_kind = bench::kWireRecord;
    r.start_row = static_cast<std::int16_t>(from.row);
    r.start_column = static_cast<std::int16_t>(from.column);
    r.end_row = static_cast<std::int16_t>(to.row);
    r.end_column = static_cast<std::int16_t>(to.column);
    r.colour = static_cast<std::int32_t>(*colour);
    r.points[0] = static_cast<std::int16_t>(points.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
        r.points[2 * k + 1] = points[k].x;
        r.points[2 * k + 2] = points[k].y;
    }
    return r;
}

bench::circuit_record chip_record(const std::vector<std::string>& words) {
    if (words.size() < 2) throw line_error{"a chip needs a model"};
    const std::string& model = words[1];
    check_field_keeps(model, bench::kModelFieldWidth, "model");
    chip_fields f = catalogue_fields(model);

    std::optional<grid_point> pin_one;
    std::size_t i = 2;
    if (i < words.size() && words[i] == "at") {
        if (i + 2 >= words.size()) throw line_error{"at needs ROW COLUMN"};
        const auto row = number_from_word(words[i + 1], 0, bench::kGridRows - 1);
        const auto column = number_from_word(words[i + 2], 0, bench::kGridColumns - 1);
        if (!row || !column) throw line_error{"not a hole: at " + words[i + 1] + ' ' + words[i + 2]};
        pin_one = grid_point{*row, *column};
        i += 3;
    }
    std::map<std::string, std::string> given;
    for (; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string::npos) throw line_error{"not a field (NAME=VALUE): " + quoted(words[i])};
        const std::string name = words[i].substr(0, equals);
        if (name != "kind" && name != "mount" && name != "pins" && name != "class" && name != "desc" &&
            name != "left" && name != "top")
            throw line_error{"no chip field " + quoted(name)};
        if (!given.emplace(name, words[i].substr(equals + 1)).second)
            throw line_error{"field " + name + " given twice"};
    }
    if (given.contains("kind")) f.kind = number16(given["kind"], "kind");
    if (given.contains("mount")) f.mount_kind = number16(given["mount"], "mount");
    if (given.contains("pins")) f.pin_count = number16(given["pins"], "pins");
    if (given.contains("class")) f.chip_class = number16(given["class"], "class");
    if (given.contains("desc")) f.description = given["desc"];
    check_field_keeps(f.description, bench::kDescriptionFieldWidth, "description");
    if (f.kind == bench::kWireRecord || f.kind == bench::kEndRecord)
        throw line_error{"kind " + std::to_string(f.kind) + " is not a chip record"};

    bench::circuit_record r;
    r.record_kind = f.kind;
    r.model = model;
    r.mount_kind = f.mount_kind;
    r.pin_count = f.pin_count;
    r.chip_class = f.chip_class;
    r.description = f.description;
    const bool has_corner = given.contains("left") || given.contains("top");
    if (pin_one && has_corner) throw line_error{"a chip is either at a hole or at left= top=, not both"};
    if (pin_one) {
        const auto corner = corner_for_pin_one(*pin_one, f.mount_kind, f.chip_class);
        if (!corner)
            throw line_error{"pin 1 cannot sit on " + std::to_string(pin_one->row) + ':' +
                             std::to_string(pin_one->column) + ": its top pin row would be off the board"};
        r.left = corner->left;
        r.top = corner->top;
    } else {
        if (!given.contains("left") || !given.contains("top")) throw line_error{"a chip needs at ROW COLUMN or left= top="};
        r.left = number16(given["left"], "left");
        r.top = number16(given["top"], "top");
    }
    if (!bench::record_is_sound(r))
        throw line_error{"the bench loads only chips of mount kind 1 or 2 and an even pin count of 2 to 60"};
    return r;
}

// The save command's record buffer: a wire record keeps in its points, after
// its own, what an earlier wire left there; the end record repeats the last chip.
class record_buffer {
public:
    bench::circuit_record put(const bench::circuit_record& r) {
        if (r.record_kind == bench::kWireRecord) {
            clear_chip_fields();
            buffer_.record_kind = r.record_kind;
            buffer_.start_row = r.start_row;
            buffer_.start_column = r.start_column;
            buffer_.end_row = r.end_row;
            buffer_.end_column = r.end_column;
            buffer_.colour = r.colour;
            for (int i = 0; i <= 2 * r.points[0]; ++i) buffer_.points[i] = r.points[i];
        } else {
            clear_wire_fields();
            buffer_.record_kind = r.record_kind;
            buffer_.model = r.model;
            buffer_.mount_kind = r.mount_kind;
            buffer_.pin_count = r.pin_count;
            buffer_.chip_class = r.chip_class;
            buffer_.description = r.description;
            buffer_.top = r.top;
            buffer_.left = r.left;
        }
        return buffer_;
    }
    bench::circuit_record end() {
        clear_wire_fields();
        buffer_.record_kind = bench::kEndRecord;
        return buffer_;
    }

private:
    void clear_chip_fields() {
        buffer_.model.clear();
        buffer_.description.clear();
        buffer_.mount_kind = buffer_.pin_count = buffer_.chip_class = buffer_.top = buffer_.left = 0;
    }
    void clear_wire_fields() {
        buffer_.start_row = buffer_.start_column = buffer_.end_row = buffer_.end_column = 0;
        buffer_.colour = 0;
        buffer_.points.fill(0);
    }
    bench::circuit_record buffer_;
};

}  // namespace

built_records records_from_text(const std::string& text) {
    built_records built;
    record_buffer buffer;
    long long nodes = 0;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const split_line split = split_words(line);
        try {
            if (!split.ok) throw line_error{"a quote that is not closed, or an escape other than \\\", \\\\ or \\xHH"};
            if (split.words.empty()) continue;
            const std::string& what = split.words[0];
            bench::circuit_record r;
            if (what == "wire")
                r = wire_record(split.words);
            else if (what == "chip")
                r = chip_record(split.words);
            else
                throw line_error{"a line starts with wire or chip, not " + quoted(what)};
            // The bench numbers every wire and every chip pin within 16 bits.
            nodes += r.record_kind == bench::kWireRecord ? 1 : r.pin_count;
            if (nodes > bench::kMaxNodeNumber) throw line_error{"more wires and chip pins than the bench can number"};
            built.records.push_back(buffer.put(r));
        } catch (const line_error& e) {
            built.records.clear();
            built.error_line = number;
            built.error = e.message;
            return built;
        }
    }
    built.records.push_back(buffer.end());
    return built;
}

}  // namespace cirtool
