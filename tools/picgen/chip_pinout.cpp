#include "chip_pinout.h"

namespace picgen {

std::vector<const chip_pinout*> all_pinouts() {
    std::vector<const chip_pinout*> rows;
    for (const auto* family : {&gate_pinouts(), &msi_pinouts(), &sequential_pinouts(), &display_pinouts()})
        for (const chip_pinout& row : *family) rows.push_back(&row);
    return rows;
}

const chip_pinout* find_pinout(std::string_view model) {
    for (const chip_pinout* row : all_pinouts())
        if (row->model == model) return row;
    return nullptr;
}

}  // namespace picgen
