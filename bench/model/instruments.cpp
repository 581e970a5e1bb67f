// Probe contacts: lifting probes off the board, setting them down on
// connection points and joining them to the circuit as contact wires.
#include "instruments.h"

#include <stdexcept>
#include <string>

namespace bench {

namespace {

int index_of(instrument which) { return which == instrument::meter ? 0 : 1; }

// Every wire with both ends on one point counts as a contact wire.
void remove_contact_wires(bench_model& bench) {
    for (int w = bench.wire_count(); w >= 1; --w)
        if (bench.wire_at(w).is_contact()) bench.remove_wire(w);
}

}  // namespace

instruments::instruments(bench_model& bench) : bench_(bench) {}

probe_contact& instruments::probe_ref(instrument which, int k) {
    if (k < 0 || k >= kProbesPerInstrument) throw std::out_of_range("no probe " + std::to_string(k));
    return probes_[index_of(which)][k];
}

const probe_contact& instruments::probe(instrument which, int k) const {
    return const_cast<instruments&>(*this).probe_ref(which, k);
}

void instruments::lift_probes() {
    remove_contact_wires(bench_);
    bench_.node_numbering();
}

hit instruments::set_down_probe(instrument which, int k, double x, double y) {
    const hit h = hit_test(x, y);
    set_down_probe_at(which, k, h.row, h.column);
    return h;
}

void instruments::set_down_probe_at(instrument which, int k, int row, int column) {
    probe_contact& p = probe_ref(which, k);
    p = probe_contact{};
    if (row >= 0 && column >= 0 && row < kGridRows && column < kGridColumns) {
        p.row = row;
        p.column = column;
    }
    attach_probes();
}

void instruments::reattach_probes() {
    for (const auto& pair : probes_)
        for (const probe_contact& p : pair)
            if (p.on_point()) {
                attach_probes();
                return;
            }
}

void instruments::find_contact_chip(probe_contact& p) const {
    p.chip = 0;
    p.pin = 0;
    if (p.node <= 0) return;
    for (int k = 1; k <= bench_.chip_count(); ++k) {
        for (int j = 1; j <= bench_.chip_at(k).pin_count; ++j) {
            if (bench_.node_of_pin(j, k) != p.node) continue;
            p.chip = k;
            p.pin = j;
            return;
        }
    }
}

void instruments::attach_probes() {
    // Contact wires left from an earlier drop would pile up.
    remove_contact_wires(bench_);
    // Probes on no point get no contact wire: a wire at "no point" would
    // join whatever happens to be numbered there.
    for (auto& pair : probes_) {
        for (probe_contact& p : pair) {
            p.node = 0;
            if (!p.on_point()) {
                find_contact_chip(p);
                continue;
            }
            wire contact;
            contact.start_row = contact.end_row = static_cast<std::int16_t>(p.row);
            contact.start_column = contact.end_column = static_cast<std::int16_t>(p.column);
            const int w = bench_.add_wire(std::move(contact));
            if (w > 0) p.node = bench_.wire_at(w).node;
            find_contact_chip(p);
        }
    }
    bench_.node_numbering();
}

void instruments::refresh_contacts(instrument which) {
    // Wires drawn or removed and chips moved since the drop renumber the
    // nodes; the probe still touches its point, so its node is taken afresh
    // from the wires that end there (its contact wire among them).
    for (probe_contact& p : probes_[index_of(which)]) {
        p.node = 0;
        if (p.on_point()) {
            for (int w = 1; w <= bench_.wire_count(); ++w) {
                const wire& v = bench_.wire_at(w);
                if (!v.has_end_at(p.row, p.column)) continue;
                p.node = v.node;
                break;
            }
        }
        find_contact_chip(p);
    }
}

lgsim::value_code instruments::reading_at(const probe_contact& p) {
    if (p.chip > 0) return bench_.read_chip_pin(p.pin, p.chip);
    if (!p.on_point()) return lgsim::kNoDrive;
    return bench_.read_point(p.row, p.column);
}

}  // namespace bench
