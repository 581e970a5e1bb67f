// The bench's start-up state, its read-back accessors and the chips on it:
// dropping, dragging, seating and deleting.
#include "bench_model.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "catalogue.h"
#include "model_names.h"
#include "value_codes.h"

namespace bench {

namespace {

// The engine's pin-state memory starts with room for this many chips and grows
// with the chip list.
constexpr int kStartChipRoom = 50;


}  // namespace

bench_model::bench_model()
    : chips_(1), wires_(1), chip_pin_number_(kPinSlots, 1), pin_readings_(kPinSlots, 1),
      v_chip_pin_(kPinSlots, kStartChipRoom + 1), chip_model_(1), v_node_(1, 0), v_node_in_(1, 0) {}

bench_model::~bench_model() = default;

void bench_model::set_hooks(bench_hooks hooks) { hooks_ = std::move(hooks); }

const chip& bench_model::chip_at(int k) const {
    if (k < 1 || k > chip_count()) throw std::out_of_range("no chip " + std::to_string(k));
    return chips_[k];
}

chip& bench_model::chip_ref(int k) { return const_cast<chip&>(std::as_const(*this).chip_at(k)); }

const wire& bench_model::wire_at(int w) const {
    if (w < 1 || w > wire_count()) throw std::out_of_range("no wire " + std::to_string(w));
    return wires_[w];
}

int bench_model::switch_state(int k) const { return k >= 0 && k < kSwitchCount ? switches_[k] : 0; }
bool bench_model::lamp_lit(int k) const { return k >= 0 && k < kSwitchCount && lamps_[k]; }
bool bench_model::led_shown(int k) const { return k >= 0 && k < kLedCount && leds_[k]; }

segment_look bench_model::module_segment(int digit, int column) const {
    if ((digit != 1 && digit != 2) || column < kFirstSegmentColumn || column > kLastSegmentColumn)
        return segment_look::undrawn;
    return module_segments_[digit - 1][column - kFirstSegmentColumn];
}

lgsim::value_code bench_model::point_value(int row, int column) const {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return lgsim::kNoDrive;
    return point_values_[row][column];
}

void bench_model::set_point(int row, int column, lgsim::value_code code) {
    point_values_[row][column] = code;
}

void bench_model::set_point_value(int row, int column, lgsim::value_code code) {
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return;
    set_point(row, column, code);
}

void bench_model::toggle_clock_point() {
    const lgsim::value_code clock = point_values_[kTerminalRow][kClockColumn];
    set_point(kTerminalRow, kClockColumn, clock == lgsim::kLow ? lgsim::kHigh : lgsim::kLow);
}

QString bench_model::circuit_caption() const {
    // Until the first save or load the label keeps its full-width colon.
    if (circuit_name_.isEmpty()) return QCoreApplication::translate("bench", "电路名称：");
    return QCoreApplication::translate("bench", "电路名称: %1").arg(circuit_name_);
}

// ---- Hooks ----

void bench_model::request_redraw() {
    // A clearing redraw wipes the segments the display update drew.
    for (auto& digit : module_segments_) digit.fill(segment_look::undrawn);
    for (chip& c : chips_) c.segments.fill(segment_look::undrawn);
    if (hooks_.redraw_board) hooks_.redraw_board(kRedrawAll);
}

void bench_model::kick() const {
    if (hooks_.enable_kick) hooks_.enable_kick();
}

void bench_model::meter() const {
    if (hooks_.enable_meter) hooks_.enable_meter();
}

// ---- Chips ----

void bench_model::size_pin_tables() {
    const int chips = chip_count() + 1;
    chip_pin_number_.resize(kPinSlots, chips);
    pin_readings_.resize(kPinSlots, chips);
    if (v_chip_pin_.chip_count() < chips) {
        const int first_new = v_chip_pin_.chip_count();
        v_chip_pin_.resize(kPinSlots, chips);
        for (int k = first_new; k < chips; ++k)
            for (int p = 0; p < kPinSlots; ++p) v_chip_pin_(p, k) = lgsim::kNoDrive;
    }
}

int bench_model::add_chip_from(const chip& fields, double left, double top) {
    chip c;
    c.model = fields.model;
    c.mount_kind = fields.mount_kind;
    c.pin_count = fields.pin_count;
    c.chip_class = fields.chip_class;
    c.description = fields.description;
    c.picture = {left, top, kTemplatePictureWidth, kTemplatePictureHeight};
    chips_.push_back(std::move(c));
    links_current_ = false;
    readings_follow_nodes_ = false;
    size_pin_tables();
    const int k = chip_count();
    for (int p = 0; p < kPinSlots; ++p) {
        pin_readings_(p, k) = lgsim::kNoDrive;
        chip_pin_number_(p, k) = 0;
        // A new chip's memory is unknown, whatever an earlier chip left in its slot.
        v_chip_pin_(p, k) = lgsim::kNoDrive;
    }
    return k;
}

void bench_model::load_outline(chip& c) {
    if (!hooks_.outline_size) return;
    if (const auto size = hooks_.outline_size(model_key(c.model))) {
        c.picture.width = size->width;
        c.picture.height = size->height;
    }
}

bool bench_model::has_room_for(int pins, int wires) const {
    long long nodes = wire_count() + wires + pins;
    for (int k = 1; k <= chip_count(); ++k) nodes += chips_[k].pin_count;
    return nodes <= kMaxNodeNumber;
}

int bench_model::drop_chip(int row, double left, double top) {
    if (row < 0 || row >= static_cast<int>(lgsim::kCatalogue.size())) return 0;
    const lgsim::catalogue_entry& entry = lgsim::kCatalogue[row];
    if (!has_room_for(entry.pin_count, 0)) return 0;
    chip fields;
    fields.model = std::string(entry.model);
    fields.mount_kind = entry.mount_kind;
    fields.pin_count = entry.pin_count;
    fields.chip_class = entry.chip_class;
    fields.description = std::string(entry.description);
    const int k = add_chip_from(fields, left, top);
    chip& c = chips_[k];
    c.picture.width = kPitch * (c.pin_count / 2);
    c.picture.height = 3 * kPitch * c.mount_kind;
    load_outline(c);
    node_numbering();
    return k;
}

void bench_model::set_chip_picture_size(int k, double width, double height) {
    chip& c = chip_ref(k);
    c.picture.width = width;
    c.picture.height = height;
}

void bench_model::press_chip(int k, double x, double y) {
    chip_at(k);
    // Picking a chip up may change its connections: the engine forgets every
    // chip's state at its next call.
    new_circuit_ = true;
    anchor_ = {x, y};
    drag_chip_ = k;
    drag_start_ = {chips_[k].picture.left, chips_[k].picture.top};
}

bool bench_model::move_chip(int k, double x, double y) {
    chip& c = chip_ref(k);
    if (anchor_.x <= 0) return false;
    c.picture.left += x - anchor_.x;
    c.picture.top += y - anchor_.y;
    return true;
}

bool bench_model::seat_chip(int k) {
    if (!place_on_holes(k)) return false;
    const chip& c = chips_[k];
    node_numbering();
    if (c.chip_class == 2) {
        // A seated clocked chip starts undriven; the next drive refresh drives it again.
        for (int j = 1; j <= c.pin_count; ++j) {
            const int node = chip_pin_number_(j, k);
            if (node >= 0 && node <= max_node_number_) v_node_in_[node] = lgsim::kNoDrive;
        }
    }
    settle_board();
    return true;
}

bool bench_model::place_on_holes(int k) {
    chip& c = chip_ref(k);
    picture_rect& pic = c.picture;
    pic.left = std::max(std::min(pic.left, kBoardWidth - pic.width), 0.0);
    pic.top = std::max(std::min(pic.top, kBoardHeight - pic.height), 0.0);

    const board_point reference = reference_point(pic, c.chip_class);
    const hit h = hit_test(reference.x, reference.y);
    if (!seat_fits(h.row, h.column, c.mount_kind, c.pin_count)) return false;

    const board_point origin = picture_origin(h.at, c.chip_class);
    pic.left = origin.x;
    pic.top = origin.y;
    const int half = c.pin_count / 2;
    // Pin 1 is leftmost on the lower row; the upper row runs back from the
    // right, so the last pin sits above pin 1.
    const int lower_row = h.row + (c.mount_kind == 1 ? 1 : 5);
    for (int j = 1; j <= half; ++j)
        c.places[j] = {lower_row, h.column + j - 1, group_of_row(lower_row)};
    for (int j = c.pin_count; j > half; --j)
        c.places[j] = {h.row, h.column + c.pin_count - j, group_of_row(h.row)};
    return true;
}

void bench_model::remove_all_chips() {
    chips_.resize(1);
    links_current_ = false;
    size_pin_tables();
}

void bench_model::delete_chip(int k) {
    chip_at(k);
    constexpr int kDescriptionKept = 30;
    std::vector<chip> kept;
    for (int i = 1; i <= chip_count(); ++i) {
        if (i == k) continue;
        chip copy = chips_[i];
        copy.description = first_characters(trimmed_blanks(copy.description), kDescriptionKept);
        kept.push_back(std::move(copy));
    }
    remove_all_chips();
    for (const chip& copy : kept) {
        const int n = add_chip_from(copy, copy.picture.left, copy.picture.top);
        load_outline(chips_[n]);
        // Numbered once below: numbering after every chip is quadratic.
        place_on_holes(n);
    }
    // The later chips moved down a slot: no chip may inherit another's memory.
    new_circuit_ = true;
    node_numbering();
    settle_board();
}

}  // namespace bench
