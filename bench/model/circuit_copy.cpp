// Copies of the circuit: taken from one bench and given to another.
#include "bench_model.h"

namespace bench {

circuit_copy bench_model::circuit() const { return {chips_, wires_}; }

void bench_model::take_circuit(const circuit_copy& copy) {
    indicators_off();
    remove_all_chips();
    wires_.resize(1);
    for (std::size_t i = 1; i < copy.chips.size(); ++i) {
        const chip& c = copy.chips[i];
        const int k = add_chip_from(c, c.picture.left, c.picture.top);
        // Seated as in the copy, not seated again: a chip the user left off
        // the holes stays off them, as it is in the circuit the user sees.
        chips_[k].picture = c.picture;
        chips_[k].places = c.places;
    }
    for (std::size_t i = 1; i < copy.wires.size(); ++i) {
        wire w = copy.wires[i];
        w.node = -1;
        wires_.push_back(std::move(w));
    }
    new_circuit_ = true;
    node_numbering();
    request_redraw();
    apply_power_state();
    // As after a load: the board settles before the first step.
    settle_board();
}

}  // namespace bench
