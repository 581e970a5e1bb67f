// The circuit as the editing history keeps it: a copy of the chips and wires,
// and the file the circuit came from.
#pragma once

#include <QString>

#include "circuit_copy.h"

namespace bench {

struct circuit_state {
    circuit_copy circuit;
    QString folder;  // of the circuit's file, with its separator
    QString name;    // the file's name; empty for a circuit never saved or loaded
};

// Whether two copies hold the same chips and wires. Node numbers and what the
// display chips last showed are not compared: both are worked out again
// whenever a copy is taken.
bool same_circuit(const circuit_copy& a, const circuit_copy& b);

}  // namespace bench
