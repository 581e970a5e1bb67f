// The trainer's own inputs and outputs: power switch, toggle switches, pulse
// buttons, the clock and its rate, and the display update that shows LEDs,
// the seven-segment module and display chips after every evaluation step.
#include <algorithm>
#include <cmath>

#include "bench_model.h"
#include "value_codes.h"

namespace bench {

namespace {

constexpr int kFirstSupplyColumn = kSupplyColumn;       // supply also on 23..25
constexpr int kLastSupplyColumn = kSupplyColumn + 3;
constexpr int kFirstGroundColumn = kGroundColumn;       // ground also on 27..29
constexpr int kLastGroundColumn = kGroundColumn + 3;

// Display chips: the common pin of each segment pin.
constexpr int kDisplayCommonLow = 5;   // for pins 1..4
constexpr int kDisplayCommonHigh = 8;  // for the others

bool drives_segment(lgsim::value_code code) { return code == lgsim::kHigh || code == lgsim::kSupply; }
bool sinks_common(lgsim::value_code code) { return code == lgsim::kLow || code == lgsim::kGround; }

}  // namespace

void bench_model::indicators_off() {
    lamps_.fill(false);
    leds_.fill(false);
}

void bench_model::power_on_routine() {
    for (int k = 0; k < kSwitchCount; ++k) {
        set_point(kTerminalRow, k, switches_[k] == 1 ? lgsim::kHigh : lgsim::kLow);
        lamps_[k] = switches_[k] == 1;
    }
    set_point(kTerminalRow, kClockColumn, lgsim::kHigh);
    set_point(kTerminalRow, kPulse0Column, lgsim::kLow);
    set_point(kTerminalRow, kPulse1Column, lgsim::kHigh);
    for (int c = kFirstSupplyColumn; c <= kLastSupplyColumn; ++c) set_point(kTerminalRow, c, lgsim::kSupply);
    for (int c = kFirstGroundColumn; c <= kLastGroundColumn; ++c) set_point(kTerminalRow, c, lgsim::kGround);
    request_redraw();
    kick();
}

void bench_model::power_off_routine() {
    lamps_.fill(false);
    for (auto& row : point_values_) row.fill(lgsim::kNoDrive);
    drive_refresh();
    request_redraw();
    kick();
}

void bench_model::apply_power_state() {
    if (power_)
        power_on_routine();
    else
        power_off_routine();
}

void bench_model::press_power() {
    power_ = !power_;
    new_circuit_ = true;
    if (power_) {
        power_on_routine();
        settle_board();
    } else {
        power_off_routine();
        indicators_off();
    }
    meter();
    kick();
}

void bench_model::press_switch(int k) {
    if (k < 0 || k >= kSwitchCount) return;
    // A switch can be set while the power is off; power on applies its state.
    set_point(kTerminalRow, k, point_values_[kTerminalRow][k] == lgsim::kHigh ? lgsim::kLow : lgsim::kHigh);
    if (switches_[k] == 1) {
        switches_[k] = 0;
        lamps_[k] = false;
    } else {
        switches_[k] = 1;
        lamps_[k] = power_;
    }
    settle_board();
    meter();
    kick();
}

void bench_model::pulse_step(int column, lgsim::value_code code) {
    set_point(kTerminalRow, column, code);
    drive_refresh();
    evaluation_step();
}

void bench_model::press_pulse(int button) {
    if (!power_ || (button != 0 && button != 1)) return;
    pulse_pressed_ = true;
    // The edge codes 3 and 4 last exactly one evaluation step.
    if (button == 0) {
        pulse_step(kPulse0Column, lgsim::kRisingEdge);
        pulse_step(kPulse0Column, lgsim::kHigh);
    } else {
        pulse_step(kPulse1Column, lgsim::kFallingEdge);
        pulse_step(kPulse1Column, lgsim::kLow);
    }
    meter();
    kick();
}

void bench_model::release_pulse(int button) {
    if (!pulse_pressed_ || (button != 0 && button != 1)) return;
    pulse_pressed_ = false;
    if (button == 0)
        pulse_step(kPulse0Column, lgsim::kLow);
    else
        pulse_step(kPulse1Column, lgsim::kHigh);
    meter();
    kick();
}

void bench_model::clock_tick() {
    if (wire_count() == 0) return;
    const lgsim::value_code clock = point_values_[kTerminalRow][kClockColumn];
    set_point(kTerminalRow, kClockColumn, clock == lgsim::kLow ? lgsim::kHigh : lgsim::kLow);
    drive_terminal_codes();
    evaluation_step();
}

void bench_model::kick_tick() {
    if (hooks_.enable_clock) hooks_.enable_clock();
}

void bench_model::set_rate(int feq_value) {
    constexpr int kSlowest = 1;
    constexpr int kFastest = 100;
    rate_ = std::clamp(feq_value, kSlowest, kFastest) / 5.0;
    speed_text_ = QString::number(rate_, 'g', 15);
    kick();
    clock_interval_ms_ = static_cast<int>(std::lrint(1 + (6200 - 310 * rate_)));
    if (hooks_.set_clock_interval) hooks_.set_clock_interval(clock_interval_ms_);
}

void bench_model::display_update() {
    const board_links& l = links();
    for (const int k : l.display_chips) {
        chip& c = chips_[k];
        const lgsim::value_code* readings = pin_readings_.data() + static_cast<std::size_t>(k) * pin_readings_.pin_count();
        for (int p = 1; p <= c.pin_count && p < pin_readings_.pin_count(); ++p) {
            if (p == kDisplayCommonLow || p == kDisplayCommonHigh) continue;
            const int common = p < kDisplayCommonLow ? kDisplayCommonLow : kDisplayCommonHigh;
            const bool lit = drives_segment(readings[p]) && sinks_common(readings[common]);
            c.segments[p] = lit ? segment_look::lit : segment_look::dark;
        }
    }

    // An LED lights for a high node: code 1, or 3, a rising edge taken on a
    // high node. The last wire ending on it decides; one that no wire
    // reaches keeps its state.
    std::array<lgsim::value_code, kGridColumns>& led_row = point_values_[kLedRow];
    for (int k = 0; k < kLedCount; ++k) {
        const std::vector<int>& nodes = l.led_nodes[static_cast<std::size_t>(k)];
        if (nodes.empty()) continue;
        const lgsim::value_code value = node_value(nodes.back());
        led_row[static_cast<std::size_t>(k)] = value;
        leds_[k] = power_ && (value == lgsim::kHigh || value == lgsim::kRisingEdge);
    }

    if (power_) {
        // The module's pins and segments follow logic levels; a pin no wire
        // reaches reads 2, which counts as high.
        if (wire_count() > 0) {
            for (int c = kDigit1CommonColumn; c <= kLastSegmentColumn; ++c) {
                const int node = l.module_nodes[static_cast<std::size_t>(c - kDigit1CommonColumn)];
                led_row[static_cast<std::size_t>(c)] = node < 0 ? lgsim::kFloating : lgsim::level_of_code(node_value(node));
            }
        }
        const int commons[2] = {kDigit1CommonColumn, kDigit2CommonColumn};
        for (int digit = 0; digit < 2; ++digit) {
            const bool common_low = led_row[static_cast<std::size_t>(commons[digit])] == lgsim::kLow;
            for (int s = 0; s < kSegmentCount; ++s) {
                const bool lit = common_low && led_row[static_cast<std::size_t>(kFirstSegmentColumn + s)] == lgsim::kHigh;
                module_segments_[digit][s] = lit ? segment_look::lit : segment_look::dark;
            }
        }
    }
    if (hooks_.displays_updated) hooks_.displays_updated();
}

}  // namespace bench
