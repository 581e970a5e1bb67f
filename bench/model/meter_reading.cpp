// What the multimeter reads through its two probes: volts averaged over ten
// samples while the clock point turns, or continuity.
#include "instruments.h"

#include "value_codes.h"

namespace bench {

namespace {

constexpr double kHighVolts = 5;
constexpr double kFloatingVolts = 4.9;
constexpr double kFullReading = 5;

// An average above 1 V and up to 4 V comes from a signal that switches,
// such as the clock; it is shown lifted by 1.5 V, so that a clock of even
// halves reads 4, clearly apart from both a low and a steady high.
constexpr double kSwitchingLow = 1;
constexpr double kSwitchingHigh = 4;
constexpr double kSwitchingLift = 1.5;

}  // namespace

std::optional<double> volts_of(lgsim::value_code code) {
    switch (code) {
    case lgsim::kNoDrive:
    case lgsim::kUnpowered:
        return std::nullopt;
    case lgsim::kHigh:
    case lgsim::kSupply:
        return kHighVolts;
    case lgsim::kFloating:
        return kFloatingVolts;
    default:
        return 0.0;
    }
}

double instruments::meter_sample() {
    const auto& [red, black] = probes_[0];
    const lgsim::value_code red_code = reading_at(red);
    const lgsim::value_code black_code = reading_at(black);
    if (!bench_.power_on()) return 0;
    const std::optional<double> red_volts = volts_of(red_code);
    const std::optional<double> black_volts = volts_of(black_code);
    if (!red_volts || !black_volts) return 0;
    return *red_volts - *black_volts;
}

double instruments::measure(float value_type) {
    refresh_contacts(instrument::meter);
    if (value_type == kResistanceKind) {
        const auto& [red, black] = probes_[0];
        const bool joined = red.node > 0 && red.node == black.node;
        return joined ? 0 : kOpenCircuitOhms;
    }
    double sum = 0;
    bool some_above_zero = false;
    for (int i = 0; i < kMeterSamples; ++i) {
        bench_.toggle_clock_point();
        const double sample = meter_sample();
        sum += sample;
        some_above_zero = some_above_zero || sample > 0;
    }
    double reading = sum / kMeterSamples;
    // Below zero only when every sample was: a probe swap, shown as such.
    if (some_above_zero && reading < 0) reading = 0;
    if (reading > kSwitchingLow && reading <= kSwitchingHigh) reading += kSwitchingLift;
    if (reading > kFullReading) reading = kFullReading;
    return reading;
}

}  // namespace bench
