#include "table_snapshot.h"

#include <algorithm>
#include <sstream>

namespace lgsim::testing {

namespace {

bool same(const model_row& a, const model_row& b) {
    return a.name == b.name && a.mount_kind == b.mount_kind && a.pin_count == b.pin_count &&
           a.chip_class == b.chip_class && a.description == b.description &&
           a.category == b.category;
}

bool same(const chip_info_row& a, const chip_info_row& b) {
    return a.name == b.name && a.pin_count == b.pin_count;
}

bool same(const node_entry& a, const node_entry& b) {
    return a.value == b.value && a.mark == b.mark;
}

template <typename T>
bool same(const T& a, const T& b) {
    return a == b;
}

template <typename T>
std::string vector_difference(const char* what, const std::vector<T>& a, const std::vector<T>& b) {
    if (a.size() != b.size())
        return std::string(what) + " sizes " + std::to_string(a.size()) + " and " +
               std::to_string(b.size());
    for (std::size_t k = 0; k < a.size(); ++k)
        if (!same(a[k], b[k])) return std::string(what) + " differs at " + std::to_string(k);
    return {};
}

std::string pin_array_difference(const char* what, const PinArray& a, const PinArray& b) {
    if (a.pin_count() != b.pin_count() || a.chip_count() != b.chip_count())
        return std::string(what) + " shapes differ";
    const std::size_t cells = static_cast<std::size_t>(a.pin_count()) * a.chip_count();
    if (std::equal(a.data(), a.data() + cells, b.data())) return {};
    for (int chip = 0; chip < a.chip_count(); ++chip)
        for (int pin = 0; pin < a.pin_count(); ++pin)
            if (a(pin, chip) != b(pin, chip)) {
                std::ostringstream out;
                out << what << "(pin " << pin << ", chip " << chip << "): " << a(pin, chip)
                    << " against " << b(pin, chip);
                return out.str();
            }
    return {};
}

std::string node_difference(const char* what, const std::vector<value_code>& a,
                            const std::vector<value_code>& b) {
    if (a.size() != b.size()) return vector_difference(what, a, b);
    for (std::size_t n = 0; n < a.size(); ++n)
        if (a[n] != b[n]) {
            std::ostringstream out;
            out << what << " of node " << n << ": " << a[n] << " against " << b[n];
            return out.str();
        }
    return {};
}

std::string scalar_difference(const char* what, int a, int b) {
    if (a == b) return {};
    return std::string(what) + ": " + std::to_string(a) + " against " + std::to_string(b);
}

}  // namespace

table_snapshot snapshot_tables() {
    complete_tables();
    return {tables()};
}

table_snapshot snapshot_of(const engine_tables& t) { return {t}; }

std::string first_difference(const table_snapshot& sa, const table_snapshot& sb) {
    const engine_tables& a = sa.tables;
    const engine_tables& b = sb.tables;
    std::vector<value_code> values_a, values_b;
    for (const node_entry& e : a.node_state) values_a.push_back(e.value);
    for (const node_entry& e : b.node_state) values_b.push_back(e.value);
    for (const std::string& d : {
             scalar_difference("chip_count", a.chip_count, b.chip_count),
             scalar_difference("model_last", a.model_last, b.model_last),
             scalar_difference("max_pin_number", a.max_pin_number, b.max_pin_number),
             scalar_difference("pass_mark", a.pass_mark, b.pass_mark),
             vector_difference("model_table", a.model_table, b.model_table),
             vector_difference("chip_info", a.chip_info, b.chip_info),
             pin_array_difference("pin_node", a.pin_node, b.pin_node),
             pin_array_difference("pin_value", a.pin_value, b.pin_value),
             pin_array_difference("pin_state", a.pin_state, b.pin_state),
             pin_array_difference("pin_mark", a.pin_mark, b.pin_mark),
             node_difference("node_in", a.node_in, b.node_in),
             node_difference("node_state value", values_a, values_b),
             vector_difference("node_state", a.node_state, b.node_state),
             scalar_difference("trace_depth", a.trace_depth, b.trace_depth),
             vector_difference("trace_chip", a.trace_chip, b.trace_chip),
             vector_difference("trace_pin", a.trace_pin, b.trace_pin),
             vector_difference("trace_value", a.trace_value, b.trace_value),
             vector_difference("cleared_drivers", a.cleared_drivers, b.cleared_drivers),
         })
        if (!d.empty()) return "engine table " + d;
    return {};
}

std::string first_difference(const sim_arguments& a, const sim_arguments& b) {
    for (const std::string& d : {
             vector_difference("chip_model", a.models, b.models),
             node_difference("v_node_in", a.node_in, b.node_in),
             node_difference("v_node", a.node, b.node),
             pin_array_difference("chip_pin_number", a.pins, b.pins),
             pin_array_difference("v_chip_pin", a.chip_pin_state, b.chip_pin_state),
             scalar_difference("new_circuit", a.new_circuit, b.new_circuit),
         })
        if (!d.empty()) return "argument " + d;
    return {};
}

}  // namespace lgsim::testing
