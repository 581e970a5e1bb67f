#include "circuit_state.h"

#include <algorithm>

namespace bench {

namespace {

bool same_place(const pin_place& a, const pin_place& b) {
    return a.row == b.row && a.column == b.column && a.group == b.group;
}

bool same_chip(const chip& a, const chip& b) {
    return a.model == b.model && a.mount_kind == b.mount_kind && a.pin_count == b.pin_count &&
           a.chip_class == b.chip_class && a.description == b.description &&
           a.picture.left == b.picture.left && a.picture.top == b.picture.top &&
           a.picture.width == b.picture.width && a.picture.height == b.picture.height &&
           std::equal(a.places.begin(), a.places.end(), b.places.begin(), same_place);
}

bool same_wire(const wire& a, const wire& b) {
    return a.start_row == b.start_row && a.start_column == b.start_column && a.end_row == b.end_row &&
           a.end_column == b.end_column && a.start_group == b.start_group && a.end_group == b.end_group &&
           a.colour == b.colour &&
           std::equal(a.points.begin(), a.points.end(), b.points.begin(), b.points.end(),
                      [](wire_point p, wire_point q) { return p.x == q.x && p.y == q.y; });
}

}  // namespace

bool same_circuit(const circuit_copy& a, const circuit_copy& b) {
    return std::equal(a.chips.begin(), a.chips.end(), b.chips.begin(), b.chips.end(), same_chip) &&
           std::equal(a.wires.begin(), a.wires.end(), b.wires.begin(), b.wires.end(), same_wire);
}

}  // namespace bench
