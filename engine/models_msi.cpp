// Buffers, decoder, encoder, selectors and adder. Each package answers the
// pin-kind query, checks power and refuses non-output pins the same way; its
// own routine then reads the inputs of the asked output in a fixed order and
// stores only the answer for that pin.
#include <array>
#include <span>

#include "model_support.h"
#include "models.h"

namespace lgsim {

namespace {

struct package {
    int ground_pin;
    int supply_pin;
    std::span<const int> outputs;
};

// The position of an output pin in its package's list, or -1.
int output_index(const package& chip_package, int pin) {
    for (std::size_t k = 0; k < chip_package.outputs.size(); ++k)
        if (chip_package.outputs[k] == pin) return static_cast<int>(k);
    return -1;
}

// The answer for the pin-kind query, an unpowered package or a pin that is
// not an output. Empty when the pin is an output of a powered package.
std::optional<value_code> answer_before_computing(const package& chip_package, int chip, int pin,
                                                  int mode) {
    const bool is_output = output_index(chip_package, pin) >= 0;
    if (mode == 0) return is_output ? kOutputPin : kNotOutput;
    if (!powered(chip, chip_package.ground_pin, chip_package.supply_pin)) return kUnpowered;
    if (!is_output) return kNotOutput;
    return std::nullopt;
}

value_code store(int pin, int chip, value_code answer) {
    store_state(pin, chip, answer);
    return answer;
}

// The row of a pin's section; the caller has already checked that the pin is
// one of the package's outputs, so some row matches.
template <typename Row, std::size_t N, typename Match>
const Row& row_where(const std::array<Row, N>& rows, Match match) {
    for (const Row& row : rows)
        if (match(row)) return row;
    return rows[0];
}

// 74LS125: four three-state buffers, each enabled by a low on its own pin.

struct buffer {
    int output;
    int data;
    int enable;
};

constexpr std::array<buffer, 4> kBuffers{{{3, 2, 1}, {6, 5, 4}, {8, 9, 10}, {11, 12, 13}}};
constexpr int k74ls125Outputs[] = {3, 6, 8, 11};
constexpr package k74ls125{7, 14, k74ls125Outputs};

// 74LS138: 3-to-8 decoder with active-low outputs.

constexpr int k74ls138Outputs[] = {15, 14, 13, 12, 11, 10, 9, 7};  // Y0..Y7
constexpr package k74ls138{8, 16, k74ls138Outputs};

// 74LS148: 8-to-3 priority encoder, all active low.

constexpr int k74ls148Outputs[] = {9, 7, 6, 14, 15};  // A0, A1, A2, GS, EO
constexpr package k74ls148{8, 16, k74ls148Outputs};
constexpr std::array<int, 8> kEncoderInputs{10, 11, 12, 13, 1, 2, 3, 4};  // inputs 0..7

// 74LS151: 8-to-1 selector with true (Y) and inverted (W) outputs.

constexpr int kSelectorY = 5;
constexpr int k74ls151Outputs[] = {kSelectorY, 6};
constexpr package k74ls151{8, 16, k74ls151Outputs};
constexpr std::array<int, 8> kSelectorData{4, 3, 2, 1, 15, 14, 13, 12};  // D0..D7

// 74LS153: two 4-to-1 selectors sharing the select inputs A and B.

struct selector_section {
    int output;
    int strobe;
    std::array<int, 4> data;  // C0..C3
};

constexpr std::array<selector_section, 2> kSections{{{7, 1, {6, 5, 4, 3}}, {9, 15, {10, 11, 12, 13}}}};
constexpr int k74ls153Outputs[] = {7, 9};
constexpr package k74ls153{8, 16, k74ls153Outputs};

// 74LS183: two independent full adders.

struct full_adder {
    int a;
    int b;
    int carry_in;
    int sum;
    int carry_out;
};

constexpr std::array<full_adder, 2> kAdders{{{1, 3, 4, 6, 5}, {13, 12, 11, 8, 10}}};
constexpr int k74ls183Outputs[] = {5, 6, 8, 10};
constexpr package k74ls183{7, 14, k74ls183Outputs};

}  // namespace

std::optional<value_code> model_74ls125(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls125, chip, pin, mode)) return answer;
    const buffer& gate = row_where(kBuffers, [pin](const buffer& b) { return b.output == pin; });
    // The data code goes through untouched, so a supply, a floating input or
    // an unpowered driver reaches the far side as it is.
    const value_code data = input_value(gate.data, chip);
    const value_code enable = level_of(gate.enable, chip);
    return store(pin, chip, enable == kLow ? data : kFloating);
}

std::optional<value_code> model_74ls138(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls138, chip, pin, mode)) return answer;
    const value_code a = level_of(1, chip);
    const value_code b = level_of(2, chip);
    const value_code c = level_of(3, chip);
    const value_code g1 = level_of(6, chip);
    const value_code g2a = level_of(4, chip);
    const value_code g2b = level_of(5, chip);
    const bool enabled = g1 == kHigh && g2a == kLow && g2b == kLow;
    const bool selected = output_index(k74ls138, pin) == 4 * c + 2 * b + a;
    return store(pin, chip, enabled && selected ? kLow : kHigh);
}

std::optional<value_code> model_74ls148(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls148, chip, pin, mode)) return answer;
    const value_code enable_in = level_of(5, chip);
    std::array<value_code, 8> level{};
    for (int k = 0; k < 8; ++k) level[k] = level_of(kEncoderInputs[k], chip);

    int highest_low = -1;
    for (int k = 7; k >= 0 && highest_low < 0; --k)
        if (level[k] == kLow) highest_low = k;

    // A0, A1, A2, GS, EO, in the order of k74ls148Outputs.
    std::array<value_code, 5> out{kHigh, kHigh, kHigh, kHigh, kHigh};
    if (enable_in == kLow && highest_low < 0) {
        out[4] = kLow;  // enabled with no input active: EO low tells the next encoder to go on
    } else if (enable_in == kLow) {
        const int complement = 7 - highest_low;
        for (int bit = 0; bit < 3; ++bit) out[bit] = static_cast<value_code>((complement >> bit) & 1);
        out[3] = kLow;
    }
    return store(pin, chip, out[output_index(k74ls148, pin)]);
}

std::optional<value_code> model_74ls151(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls151, chip, pin, mode)) return answer;
    const value_code a = level_of(11, chip);
    const value_code b = level_of(10, chip);
    const value_code c = level_of(9, chip);
    const value_code strobe = level_of(7, chip);
    // Like the buffer, the selected input's code passes unchanged; a
    // disabled selector reads no data input at all.
    const value_code y = strobe == kLow ? input_value(kSelectorData[4 * c + 2 * b + a], chip) : kLow;
    if (pin == kSelectorY) return store(pin, chip, y);
    return store(pin, chip, logic_level(y) == kHigh ? kLow : kHigh);
}

std::optional<value_code> model_74ls153(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls153, chip, pin, mode)) return answer;
    const selector_section& section =
        row_where(kSections, [pin](const selector_section& s) { return s.output == pin; });
    const value_code a = level_of(14, chip);
    const value_code b = level_of(2, chip);
    const value_code strobe = level_of(section.strobe, chip);
    if (strobe != kLow) return store(pin, chip, kLow);
    return store(pin, chip, level_of(section.data[2 * b + a], chip));
}

std::optional<value_code> model_74ls183(int chip, int pin, int mode) {
    if (auto answer = answer_before_computing(k74ls183, chip, pin, mode)) return answer;
    const full_adder& adder = row_where(
        kAdders, [pin](const full_adder& f) { return f.sum == pin || f.carry_out == pin; });
    const value_code a = level_of(adder.a, chip);
    const value_code b = level_of(adder.b, chip);
    const value_code carry_in = level_of(adder.carry_in, chip);
    const int ones = a + b + carry_in;
    if (pin == adder.sum) return store(pin, chip, ones % 2 == 1 ? kHigh : kLow);
    return store(pin, chip, ones >= 2 ? kHigh : kLow);
}

}  // namespace lgsim
