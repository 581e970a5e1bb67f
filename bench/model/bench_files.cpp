// The save, load and clear commands on the bench's circuit.
#include "bench_model.h"
#include "circuit_file.h"
#include "model_names.h"

namespace bench {

namespace {

// The records of a circuit, made the way the save command fills its one
// record buffer: a wire's points after its own count keep what an earlier
// wire left there, and the end record repeats the last chip.
std::vector<circuit_record> records_of(const std::vector<chip>& chips, const std::vector<wire>& wires) {
    std::vector<circuit_record> records;
    circuit_record buffer;
    for (std::size_t w = 1; w < wires.size(); ++w) {
        const wire& v = wires[w];
        buffer.record_kind = kWireRecord;
        buffer.start_row = v.start_row;
        buffer.start_column = v.start_column;
        buffer.end_row = v.end_row;
        buffer.end_column = v.end_column;
        buffer.colour = static_cast<std::int32_t>(v.colour);
        buffer.points[0] = static_cast<std::int16_t>(v.points.size());
        for (std::size_t k = 0; k < v.points.size(); ++k) {
            buffer.points[2 * k + 1] = v.points[k].x;
            buffer.points[2 * k + 2] = v.points[k].y;
        }
        records.push_back(buffer);
    }
    buffer.start_row = buffer.start_column = buffer.end_row = buffer.end_column = 0;
    buffer.colour = 0;
    buffer.points.fill(0);
    for (std::size_t k = 1; k < chips.size(); ++k) {
        const chip& c = chips[k];
        buffer.record_kind = kChipRecord;
        buffer.model = c.model;
        buffer.mount_kind = c.mount_kind;
        buffer.pin_count = c.pin_count;
        buffer.chip_class = c.chip_class;
        buffer.description = c.description;
        buffer.top = stored_twips(c.picture.top);
        buffer.left = stored_twips(c.picture.left);
        records.push_back(buffer);
    }
    buffer.record_kind = kEndRecord;
    records.push_back(buffer);
    return records;
}

}  // namespace

file_result bench_model::save(const QString& path) {
    if (!write_circuit_file(path, records_of(chips_, wires_))) return {false, write_error_message(path)};
    circuit_folder_ = folder_part(path);
    circuit_name_ = file_part(path);
    return {};
}

file_result bench_model::load(const QString& path) {
    indicators_off();
    const read_result read = read_circuit_file(path);
    if (read.status == read_status::missing) return {false, missing_file_message(path)};

    file_result result;
    if (read.status == read_status::bad_format) {
        // Every record was checked before any was taken: the circuit stays.
        result = {false, format_error_message(path)};
    } else {
        remove_all_chips();
        wires_.resize(1);
        for (const circuit_record& r : read.records) {
            if (r.record_kind == kWireRecord) {
                wire w;
                w.start_row = r.start_row;
                w.start_column = r.start_column;
                w.end_row = r.end_row;
                w.end_column = r.end_column;
                w.start_group = static_cast<std::int16_t>(group_of_row(r.start_row));
                w.end_group = static_cast<std::int16_t>(group_of_row(r.end_row));
                w.colour = static_cast<rgb_colour>(r.colour);
                for (int k = 1; k <= r.points[0]; ++k) w.points.push_back({r.points[2 * k - 1], r.points[2 * k]});
                wires_.push_back(std::move(w));
                continue;
            }
            chip fields;
            fields.model = r.model;  // trailing blanks kept; every user trims
            fields.mount_kind = r.mount_kind;
            fields.pin_count = r.pin_count;
            fields.chip_class = r.chip_class;
            fields.description = std::string(trimmed_blanks(r.description));
            const int k = add_chip_from(fields, r.left, r.top);
            load_outline(chips_[k]);
            // The nodes are numbered once after the last record: numbering
            // after every chip is quadratic in the chips of the file.
            place_on_holes(k);
        }
        // The loaded chips must not inherit the memory of the chips they replace.
        new_circuit_ = true;
        circuit_folder_ = folder_part(path);
        circuit_name_ = file_part(path);
    }
    node_numbering();
    request_redraw();
    apply_power_state();
    if (result.ok) settle_board();
    return result;
}

void bench_model::clear() {
    indicators_off();
    remove_all_chips();
    wires_.resize(1);
    new_circuit_ = true;
    node_numbering();
    // The power stays as it was, and the board shows that state: a cleared
    // board whose power is on keeps its supply, switches and lamps.
    apply_power_state();
}

}  // namespace bench
