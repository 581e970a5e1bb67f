#include "circuit_snapshot.h"

#include <sstream>

namespace robustness {

std::string circuit_snapshot(const bench::bench_model& bench) {
    std::ostringstream out;
    // Exact doubles: a picture moved by a fraction of a twip is a change.
    out.precision(17);
    for (int k = 1; k <= bench.chip_count(); ++k) {
        const bench::chip& c = bench.chip_at(k);
        out << "chip " << k << " [" << c.model << "] " << c.mount_kind << ' ' << c.pin_count << ' '
            << c.chip_class << " [" << c.description << "] " << c.picture.left << ' ' << c.picture.top
            << ' ' << c.picture.width << ' ' << c.picture.height;
        for (int j = 1; j <= c.pin_count && j < bench::kPinSlots; ++j)
            out << ' ' << c.places[j].row << ',' << c.places[j].column << ':' << bench.node_of_pin(j, k);
        out << '\n';
    }
    for (int w = 1; w <= bench.wire_count(); ++w) {
        const bench::wire& v = bench.wire_at(w);
        out << "wire " << w << ' ' << v.start_row << ',' << v.start_column << ' ' << v.end_row << ','
            << v.end_column << ' ' << v.start_group << ' ' << v.end_group << ' ' << v.colour << " node "
            << v.node;
        for (const bench::wire_point& p : v.points) out << ' ' << p.x << ',' << p.y;
        out << '\n';
    }
    out << "nodes " << bench.max_node_number() << '\n';
    return out.str();
}

}  // namespace robustness
