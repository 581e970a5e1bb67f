// What a reading step printed against what a sheet expects of it.
#include <gtest/gtest.h>

#include "expected_output.h"

using namespace lab;

TEST(ExpectedOutput, XStandsForEitherLevelAndNothingElse) {
    struct row {
        const char* expected;
        const char* got;
        bool matches;
    };
    const row rows[] = {
        {"leds 0100000000000000", "leds 0100000000000000", true},
        {"leds 0100000000000000", "leds 0000000000000000", false},
        {"leds x1xxxxxxxxxxxxxx", "leds 0100000000000000", true},
        {"leds x1xxxxxxxxxxxxxx", "leds 1100000000000000", true},
        {"leds x1xxxxxxxxxxxxxx", "leds 1000000000000000", false},
        {"leds   0100000000000000 ", "leds 0100000000000000", true},
        {"point 36 22 x", "point 36 22 1", true},
        {"point 36 22 x", "point 36 22 5", false},
        {"point 36 22 x", "point 36 22 -1", false},
        {"display 3 xxxxxxxx", "display 3 -", false},
        {"digits 11111100 00000000", "digits 11111100", false},
        {"leds 01", "leds 0100000000000000", false},
    };
    for (const row& r : rows) EXPECT_EQ(output_matches(r.expected, r.got), r.matches) << r.expected << " / " << r.got;
}

TEST(ExpectedOutput, ExpectedLinesMustHaveTheShapeOfTheirReading) {
    struct row {
        const char* step;
        const char* expected;
        bool fits;
    };
    const row rows[] = {
        {"leds", "leds 01x0000000000000", true},
        {"leds", "leds 01x000000000000", false},
        {"leds", "digits 01x0000000000000", false},
        {"digits", "digits 1111110x 00000000", true},
        {"digits", "digits 11111100", false},
        {"display 3", "display 3 11111100", true},
        {"display 3", "display 3 -", true},
        {"display 3", "display 4 11111100", false},
        {"point 15 12", "point 15 12 -1", true},
        {"point 15 12", "point 15 12 x", true},
        {"point 15 12", "point 15 12 high", false},
        {"pin 1 3", "pin 1 3 0", true},
        {"pin 1 3", "point 1 3 0", false},
        {"measure volts", "meter 4.9", true},
        {"measure volts", "meter", false},
        {"capture", "capture 96 2.5", true},
        {"capture", "capture 0 -", true},
    };
    for (const row& r : rows) {
        const auto step = parse_any_step(QString::fromLatin1(r.step));
        ASSERT_TRUE(step) << r.step;
        EXPECT_EQ(fits_reading(*step, r.expected), r.fits) << r.step << " / " << r.expected;
    }
}
