// The circuit as the editing history keeps it, and putting it back.
#include "bench_model.h"

namespace bench {

circuit_state bench_model::snapshot() const { return {circuit(), circuit_folder_, circuit_name_}; }

void bench_model::restore_circuit(const circuit_state& state, bool with_file) {
    drop_wire_in_hand();
    anchor_ = {};
    drag_chip_ = 0;
    if (with_file) {
        circuit_folder_ = state.folder;
        circuit_name_ = state.name;
    }
    take_circuit(state.circuit);
    meter();
}

}  // namespace bench
