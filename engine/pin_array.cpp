#include <algorithm>
#include <string>

#include "shuzhi.h"

namespace lgsim {

PinArray::PinArray(int pin_count, int chip_count)
    : pin_count_(std::max(pin_count, 0)),
      chip_count_(std::max(chip_count, 0)),
      cells_(static_cast<std::size_t>(pin_count_) * chip_count_, 0) {}

value_code& PinArray::operator()(int pin, int chip) {
    if (pin < 0 || pin >= pin_count_ || chip < 0 || chip >= chip_count_)
        throw SubscriptError("PinArray index (" + std::to_string(pin) + ", " +
                             std::to_string(chip) + ") out of range");
    return cells_[static_cast<std::size_t>(chip) * pin_count_ + pin];
}

const value_code& PinArray::operator()(int pin, int chip) const {
    return const_cast<PinArray&>(*this)(pin, chip);
}

void PinArray::resize(int pin_count, int chip_count) {
    pin_count = std::max(pin_count, 0);
    chip_count = std::max(chip_count, 0);
    if (pin_count == pin_count_) {
        // The chip index varies slowest, so growing or shrinking chips keeps the layout.
        cells_.resize(static_cast<std::size_t>(pin_count) * chip_count, 0);
    } else {
        std::vector<value_code> cells(static_cast<std::size_t>(pin_count) * chip_count, 0);
        const int pins = std::min(pin_count, pin_count_);
        const int chips = std::min(chip_count, chip_count_);
        for (int c = 0; c < chips; ++c)
            std::copy_n(cells_.begin() + static_cast<std::ptrdiff_t>(c) * pin_count_, pins,
                        cells.begin() + static_cast<std::ptrdiff_t>(c) * pin_count);
        cells_ = std::move(cells);
    }
    pin_count_ = pin_count;
    chip_count_ = chip_count;
}

value_code logic_level(value_code code) {
    switch (code) {
    case 0:
    case 4:
    case 6:
    case 11:
        return 0;
    default:
        return 1;
    }
}

}  // namespace lgsim
