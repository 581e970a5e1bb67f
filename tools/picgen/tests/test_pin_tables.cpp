#include <gtest/gtest.h>

#include "catalogue.h"
#include "chip_pinout.h"
#include "display_segments.h"

#include <map>
#include <set>
#include <string>

using picgen::chip_pinout;

namespace {

bool is_cmos(std::string_view model) { return model.substr(0, 2) == "CD"; }

int cells_of(std::string_view row) {
    int cells = 1;
    for (char c : row) cells += c == '|';
    return cells;
}

}  // namespace

TEST(PinTables, EveryCatalogueModelNamesEveryPin) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        SCOPED_TRACE(std::string(chip.model));
        const chip_pinout* pinout = picgen::find_pinout(chip.model);
        ASSERT_NE(pinout, nullptr);
        ASSERT_EQ(pinout->pins.size(), static_cast<std::size_t>(chip.pin_count));
        for (std::size_t k = 0; k < pinout->pins.size(); ++k) EXPECT_FALSE(pinout->pins[k].empty()) << "pin " << k + 1;
        EXPECT_FALSE(pinout->function.empty());
    }
}

TEST(PinTables, EveryRowIsOneCatalogueModel) {
    std::map<std::string_view, int> seen;
    for (const chip_pinout* row : picgen::all_pinouts()) {
        EXPECT_GE(lgsim::catalogue_row_of(row->model), 0) << row->model;
        ++seen[row->model];
    }
    for (const auto& [model, count] : seen) EXPECT_EQ(count, 1) << model;
}

TEST(PinTables, PowerPinsAreNamedWhereTheChipTakesPower) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        SCOPED_TRACE(std::string(chip.model));
        const chip_pinout* pinout = picgen::find_pinout(chip.model);
        ASSERT_NE(pinout, nullptr);
        const std::string_view ground = is_cmos(chip.model) ? "VSS" : "GND";
        const std::string_view supply = is_cmos(chip.model) ? "VDD" : "VCC";
        for (int pin = 1; pin <= chip.pin_count; ++pin) {
            const std::string_view name = pinout->pins[pin - 1];
            if (pin == chip.ground_pin) {
                EXPECT_EQ(name, ground) << "pin " << pin;
            } else if (pin == chip.supply_pin) {
                EXPECT_EQ(name, supply) << "pin " << pin;
            } else {
                for (std::string_view power : {"GND", "VCC", "VSS", "VDD"}) EXPECT_NE(name, power) << "pin " << pin;
            }
        }
    }
}

TEST(PinTables, NoSignalNameRepeatsOnAChip) {
    // Unused pins and the display's two commons may share a name; every
    // signal pin is told apart from the others.
    for (const chip_pinout* row : picgen::all_pinouts()) {
        std::set<std::string_view> names;
        for (std::string_view name : row->pins)
            if (name != "NC" && name != "COM") {
                EXPECT_TRUE(names.insert(name).second) << row->model << ": " << name;
            }
    }
}

TEST(PinTables, TableRowsAreAsWideAsTheirHeading) {
    for (const chip_pinout* row : picgen::all_pinouts()) {
        if (row->table.empty()) continue;
        for (std::string_view line : row->table)
            EXPECT_EQ(cells_of(line), cells_of(row->table.front())) << row->model << ": " << line;
    }
}

TEST(PinTables, DisplayPinsNameTheSegmentsTheyLight) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        if (chip.chip_class != 4) continue;
        const chip_pinout* pinout = picgen::find_pinout(chip.model);
        ASSERT_NE(pinout, nullptr);
        EXPECT_TRUE(pinout->digit_figure);
        std::set<int> segment_pins;
        for (const picgen::display_segment& s : picgen::kDisplaySegments) {
            ASSERT_LE(s.pin, chip.pin_count);
            EXPECT_EQ(pinout->pins[s.pin - 1], s.letter) << "pin " << s.pin;
            segment_pins.insert(s.pin);
        }
        for (int pin = 1; pin <= chip.pin_count; ++pin)
            if (!segment_pins.count(pin)) {
                EXPECT_EQ(pinout->pins[pin - 1], "COM") << "pin " << pin;
            }
    }
}
