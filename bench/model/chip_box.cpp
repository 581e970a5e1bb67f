#include "chip_box.h"

#include "catalogue.h"
#include "chip_descriptions.h"

namespace bench {

std::vector<int> chip_box_rows(int category) {
    std::vector<int> rows;
    for (int row = 0; row < static_cast<int>(lgsim::kCatalogue.size()); ++row)
        if (category == kAllCategories || lgsim::kCatalogue[row].category == category) rows.push_back(row);
    return rows;
}

QString chip_box_label(int position, int row) {
    const auto& description = lgsim::kCatalogue.at(static_cast<std::size_t>(row)).description;
    return QString::number(position + 1) + QStringLiteral(". ") + shown_description(description);
}

}  // namespace bench
