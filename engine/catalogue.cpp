#include "catalogue.h"

#include "engine_tables.h"
#include "names.h"

namespace lgsim {

int catalogue_row_of(std::string_view model) {
    const std::string key = upper_trimmed(model);
    for (std::size_t row = 0; row < kCatalogue.size(); ++row)
        if (kCatalogue[row].model == key) return static_cast<int>(row);
    return -1;
}

void init_model_table() {
    engine_tables& t = tables();
    t.model_last = 100;
    t.max_pin_number = kMaxPinNumber;
    t.model_table.resize(101);
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
}

}  // namespace lgsim
