// What the chip box lists: catalogue rows by category and their labels.
#pragma once

#include <vector>

#include <QString>

namespace bench {

// Categories of the chip-box list "全部", "逻辑门", "触发器", "译码计数", "其它".
inline constexpr int kAllCategories = 0;

// The catalogue rows shown for a category (0 all, 1 to 4 one category), in
// catalogue order; entry position i shows the i-th of them.
std::vector<int> chip_box_rows(int category);

// The number-and-description label of entry position i (from 0) showing a row:
// "1. 四2输入与非门" for the first entry of all categories.
QString chip_box_label(int position, int row);

}  // namespace bench
