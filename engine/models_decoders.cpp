// The two seven-segment decoders. Both compute all seven segments on every
// evaluation and answer the one asked for. They share their pins and their
// shape; they differ in the segment table, in which of lamp test and blanking
// wins, and in how they read their code (levels on the 74LS47, exact codes
// through a latch on the CD4511, where supply and ground count as 1 and 0).
#include <array>
#include <cstdint>

#include "model_support.h"
#include "models.h"

namespace lgsim {

namespace {

constexpr int kGroundPin = 8;
constexpr int kSupplyPin = 16;

constexpr int kPinA = 7;  // code bit 1
constexpr int kPinB = 1;  // code bit 2
constexpr int kPinC = 2;  // code bit 4
constexpr int kPinD = 6;  // code bit 8
constexpr int kPinLampTest = 3;     // active low
constexpr int kPinBlanking = 4;     // active low
constexpr int kPinLatchEnable = 5;  // CD4511 only, active high

// The CD4511 keeps its latched code in a slot above its sixteen pins, which
// the pass never visits; -1 there (a new circuit) means nothing latched yet.
constexpr int kLatchedCodeSlot = 17;

// Segment outputs in the order a b c d e f g.
constexpr std::array<int, 7> kSegmentPins{13, 12, 11, 10, 9, 15, 14};

using segments = std::array<value_code, 7>;

// One row per code, segment a in the highest of seven bits down to g; 1 lights it.
using segment_table = std::array<std::uint8_t, 16>;

// Tailed 6 and 9, and the letters A b C d E F for the codes above 9.
constexpr segment_table kTtlSegments{
    0b1111110, 0b0110000, 0b1101101, 0b1111001, 0b0110011, 0b1011011, 0b1011111, 0b1110000,
    0b1111111, 0b1111011, 0b1110111, 0b0011111, 0b1001110, 0b0111101, 0b1001111, 0b1000111,
};

// 6 and 9 without tails; codes above 9 are blank.
constexpr segment_table kCmosSegments{
    0b1111110, 0b0110000, 0b1101101, 0b1111001, 0b0110011, 0b1011011, 0b0011111, 0b1110000,
    0b1111111, 0b1110011, 0, 0, 0, 0, 0, 0,
};

segments all_segments(value_code value) {
    segments lit;
    lit.fill(value);
    return lit;
}

segments decode(const segment_table& table, int code) {
    segments lit{};
    for (int k = 0; k < 7; ++k) lit[k] = static_cast<value_code>((table[code] >> (6 - k)) & 1);
    return lit;
}

// The position 0..6 (a..g) of a segment pin, or -1 for any other pin.
int segment_index(int pin) {
    for (int k = 0; k < 7; ++k)
        if (kSegmentPins[k] == pin) return k;
    return -1;
}

// The answer of the steps both decoders share before decoding: the pin-kind
// query, the power check and a pin that is not a segment. Empty when the pin
// is a segment of a powered chip and has to be decoded.
std::optional<value_code> answer_before_decoding(int chip, int pin, int mode) {
    const bool is_segment = segment_index(pin) >= 0;
    if (mode == 0) return is_segment ? kOutputPin : kNotOutput;
    if (!powered(chip, kGroundPin, kSupplyPin)) return kUnpowered;
    if (!is_segment) return kNotOutput;
    return std::nullopt;
}

// A latched code outside 0..15 can only come from a pin-state memory the
// caller filled with something else; it shows as nothing latched, like -1.
int latched_code(value_code slot) { return slot >= 0 && slot <= 15 ? slot : 0; }

}  // namespace

std::optional<value_code> model_74ls47(int chip, int pin, int mode) {
    if (auto answer = answer_before_decoding(chip, pin, mode)) return answer;

    // Lamp test overrides blanking, so blanking and the code are read only
    // when they can matter; the reads may evaluate other chips on demand.
    segments lit;
    if (level_of(kPinLampTest, chip) == kLow) {
        lit = all_segments(kHigh);
    } else if (level_of(kPinBlanking, chip) == kLow) {
        lit = all_segments(kLow);
    } else {
        const int a = level_of(kPinA, chip);
        const int b = level_of(kPinB, chip);
        const int c = level_of(kPinC, chip);
        const int d = level_of(kPinD, chip);
        lit = decode(kTtlSegments, 8 * d + 4 * c + 2 * b + a);
    }

    // Every evaluation puts the whole digit onto the seven output nodes, so a
    // reader sees the latest decode before the pass has reached each segment
    // pin. The nodes stay unmarked: the pass still settles each one itself.
    for (int k = 0; k < 7; ++k) write_node(kSegmentPins[k], chip, lit[k]);
    const value_code answer = node_value(pin, chip);
    for (int k = 0; k < 7; ++k) store_state(kSegmentPins[k], chip, lit[k]);
    return answer;
}

std::optional<value_code> model_cd4511(int chip, int pin, int mode) {
    if (auto answer = answer_before_decoding(chip, pin, mode)) return answer;

    // Once A's node is settled in this call the inputs are taken as their
    // nodes stand, without resolving any of them again.
    constexpr std::array<int, 7> kInputPins{kPinA,           kPinB,        kPinC,       kPinD,
                                            kPinLatchEnable, kPinBlanking, kPinLampTest};
    std::array<value_code, 7> in{};
    const bool a_settled = node_settled(kPinA, chip);
    for (int k = 0; k < 7; ++k)
        in[k] = a_settled ? node_value(kInputPins[k], chip) : input_value(kInputPins[k], chip);
    const auto [a, b, c, d, latch_enable, blanking, lamp_test] = in;

    segments lit;
    if (logic_level(blanking) == kLow) {
        lit = all_segments(kLow);
    } else if (logic_level(lamp_test) == kLow) {
        lit = all_segments(kHigh);
    } else {
        if (logic_level(latch_enable) == kLow) {
            // A code bit is 1 only for a high: an input tied to supply counts
            // as high, an edge event or a floating input as 0.
            auto bit = [](value_code code) { return tied_code(code) == kHigh ? 1 : 0; };
            store_state(kLatchedCodeSlot, chip,
                        static_cast<value_code>(8 * bit(d) + 4 * bit(c) + 2 * bit(b) + bit(a)));
        }
        lit = decode(kCmosSegments, latched_code(pin_state(kLatchedCodeSlot, chip)));
    }
    return lit[segment_index(pin)];
}

}  // namespace lgsim
