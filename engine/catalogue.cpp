#include "catalogue.h"

#include "engine_tables.h"
#include "names.h"

namespace lgsim {

namespace {

constexpr std::int16_t kLastCatalogueRow = static_cast<std::int16_t>(kCatalogue.size() - 1);
constexpr std::size_t kModelTableRows = 101;

}  // namespace

int catalogue_row_of(std::string_view model) {
    const std::string key = upper_trimmed(model);
    for (std::size_t row = 0; row < kCatalogue.size(); ++row)
        if (kCatalogue[row].model == key) return static_cast<int>(row);
    return -1;
}

std::int16_t catalogue_pins_of(std::string_view model) {
    const int row = catalogue_row_of(model);
    return row >= 0 ? kCatalogue[row].pin_count : std::int16_t{-1};
}

void init_model_table() {
    engine_tables& t = tables();
    t.model_last = 100;
    t.max_pin_number = kMaxPinNumber;
    t.model_table.resize(kModelTableRows);
    std::int16_t row = 0;
    for (const catalogue_entry& entry : kCatalogue) {
        model_row& r = t.model_table[row];
        r.name = std::string(entry.model);
        r.mount_kind = entry.mount_kind;
        r.pin_count = entry.pin_count;
        r.chip_class = entry.chip_class;
        r.description = std::string(entry.description);
        r.category = entry.category;
        t.model_last = row++;
    }
    t.model_table_built = true;
}

// Nothing but init_model_table writes model_table, so once built and still of
// the shape it was built with, its rows are the ones a build would write again.
void ensure_model_table() {
    const engine_tables& t = tables();
    if (t.model_table_built && t.model_last == kLastCatalogueRow &&
        t.max_pin_number == kMaxPinNumber && t.model_table.size() == kModelTableRows)
        return;
    init_model_table();
}

}  // namespace lgsim
