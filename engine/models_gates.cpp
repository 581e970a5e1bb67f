// The thirteen gate packages: one table row per output, read by one routine.
// A gate reads exactly the inputs of the output asked for, in the row's order.
#include <array>
#include <span>

#include "model_support.h"
#include "models.h"

namespace lgsim {

namespace {

enum class gate_function { nand, nor, invert, and_, or_, xor_, and_or_invert };

struct gate_output {
    int output;
    std::array<int, 8> inputs;  // in read order
    int input_count;
    int first_group = 0;  // and-or-invert: how many leading inputs form the first AND group
};

struct gate_package {
    gate_function function;
    std::span<const gate_output> outputs;
};

constexpr gate_output kQuad2[] = {
    {3, {1, 2}, 2}, {6, {4, 5}, 2}, {8, {10, 9}, 2}, {11, {13, 12}, 2}};
constexpr gate_output kQuad2Nor[] = {
    {1, {2, 3}, 2}, {4, {5, 6}, 2}, {10, {8, 9}, 2}, {13, {11, 12}, 2}};
constexpr gate_output kHexInverter[] = {{2, {1}, 1},   {4, {3}, 1},   {6, {5}, 1},
                                        {8, {9}, 1},   {10, {11}, 1}, {12, {13}, 1}};
constexpr gate_output kTriple3[] = {{6, {3, 4, 5}, 3}, {12, {1, 2, 13}, 3}, {8, {9, 10, 11}, 3}};
constexpr gate_output kDual4[] = {{6, {1, 2, 4, 5}, 4}, {8, {9, 10, 12, 13}, 4}};
constexpr gate_output kEight[] = {{8, {1, 2, 3, 4, 5, 6, 11, 12}, 8}};
constexpr gate_output kAndOrInvert[] = {{8, {1, 12, 13, 9, 10, 11}, 6, 3}, {6, {2, 3, 4, 5}, 4, 2}};
constexpr gate_output kQuadXor[] = {
    {3, {1, 2}, 2}, {6, {4, 5}, 2}, {8, {9, 10}, 2}, {11, {12, 13}, 2}};

constexpr int kGroundPin = 7;
constexpr int kSupplyPin = 14;

value_code combine(gate_function function, const std::array<value_code, 8>& level, int count,
                   int first_group) {
    auto all = [&](int from, int to) {
        for (int k = from; k < to; ++k)
            if (level[k] == 0) return false;
        return true;
    };
    auto any = [&] {
        for (int k = 0; k < count; ++k)
            if (level[k] == 1) return true;
        return false;
    };
    switch (function) {
    case gate_function::nand: return all(0, count) ? kLow : kHigh;
    case gate_function::nor: return any() ? kLow : kHigh;
    case gate_function::invert: return level[0] == 1 ? kLow : kHigh;
    case gate_function::and_: return all(0, count) ? kHigh : kLow;
    case gate_function::or_: return any() ? kHigh : kLow;
    case gate_function::xor_: return level[0] != level[1] ? kHigh : kLow;
    case gate_function::and_or_invert:
        return all(0, first_group) || all(first_group, count) ? kLow : kHigh;
    }
    return kLow;
}

std::optional<value_code> gate_model(const gate_package& package, int chip, int pin, int mode) {
    const gate_output* gate = nullptr;
    for (const gate_output& g : package.outputs)
        if (g.output == pin) gate = &g;
    if (mode == 0) return gate ? kOutputPin : kNotOutput;
    if (!powered(chip, kGroundPin, kSupplyPin)) return kUnpowered;
    if (gate == nullptr) return kNotOutput;
    std::array<value_code, 8> level{};
    for (int k = 0; k < gate->input_count; ++k) level[k] = level_of(gate->inputs[k], chip);
    const value_code out = combine(package.function, level, gate->input_count, gate->first_group);
    store_state(pin, chip, out);
    return out;
}

}  // namespace

// clang-format off
std::optional<value_code> model_74ls00(int c, int p, int m) { return gate_model({gate_function::nand, kQuad2}, c, p, m); }
std::optional<value_code> model_74ls02(int c, int p, int m) { return gate_model({gate_function::nor, kQuad2Nor}, c, p, m); }
std::optional<value_code> model_74ls04(int c, int p, int m) { return gate_model({gate_function::invert, kHexInverter}, c, p, m); }
std::optional<value_code> model_74ls08(int c, int p, int m) { return gate_model({gate_function::and_, kQuad2}, c, p, m); }
// Open collector on the real part; here its outputs drive both levels, like the 74LS08.
std::optional<value_code> model_74ls09(int c, int p, int m) { return gate_model({gate_function::and_, kQuad2}, c, p, m); }
std::optional<value_code> model_74ls11(int c, int p, int m) { return gate_model({gate_function::and_, kTriple3}, c, p, m); }
std::optional<value_code> model_74ls20(int c, int p, int m) { return gate_model({gate_function::nand, kDual4}, c, p, m); }
std::optional<value_code> model_74ls27(int c, int p, int m) { return gate_model({gate_function::nor, kTriple3}, c, p, m); }
std::optional<value_code> model_74ls30(int c, int p, int m) { return gate_model({gate_function::nand, kEight}, c, p, m); }
std::optional<value_code> model_74ls32(int c, int p, int m) { return gate_model({gate_function::or_, kQuad2}, c, p, m); }
std::optional<value_code> model_74ls40(int c, int p, int m) { return gate_model({gate_function::nand, kDual4}, c, p, m); }
std::optional<value_code> model_74ls51(int c, int p, int m) { return gate_model({gate_function::and_or_invert, kAndOrInvert}, c, p, m); }
std::optional<value_code> model_74ls86(int c, int p, int m) { return gate_model({gate_function::xor_, kQuadXor}, c, p, m); }
// clang-format on

}  // namespace lgsim
