// The oscilloscope's capture run: a burst of clock half-periods, the signal
// probe's point sampled after each, turned into the trace for `data_trans`.
#include "instruments.h"

#include <cmath>
#include <vector>

#include <QRegularExpression>

#include "value_codes.h"

namespace bench {

namespace {

constexpr int kIdlePairs = 11;
constexpr double kIdleTimeStep = 100;
constexpr double kSampleVolts = 5;  // a sample of level 1 is 5 V on the trace
constexpr double kSweepTime = 8;    // the time steps of a burst add up to this

}  // namespace

double speed_number(const QString& text) {
    // One per thread: benches that check circuits run in threads of their own.
    static thread_local const QRegularExpression leading_number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const QRegularExpressionMatch m = leading_number.match(text);
    if (!m.hasMatch()) return 0;
    const double value = m.captured(0).trimmed().toDouble();
    return std::isfinite(value) ? value : 0;
}

int capture_samples(double speed) {
    const double s = speed > 1 ? speed : 1;
    const double n = 90 / (20 / s) + 6;
    return n >= kMostCaptureSamples ? kMostCaptureSamples : static_cast<int>(std::floor(n));
}

void instruments::idle_record() {
    for (int i = 0; i < kIdlePairs; ++i) {
        traces_.channel1[2 * i] = 0;
        traces_.channel1[2 * i + 1] = 0;
        traces_.channel2[2 * i] = 0;
        traces_.time_steps[2 * i] = kIdleTimeStep;
        traces_.time_steps[2 * i + 1] = kIdleTimeStep;
    }
}

capture_result instruments::capture_run(const QString& speed_text) {
    const probe_contact& signal = probes_[1][kRedProbe];
    if (!bench_.power_on() || signal.row < 0) {
        idle_record();
        return {};
    }

    bench_.set_point_value(kTerminalRow, kClockColumn, lgsim::kLow);
    bench_.drive_refresh();
    const int count = capture_samples(speed_number(speed_text));
    std::vector<lgsim::value_code> samples(count + 1, 0);  // taken at 1 .. count
    double sum = 0;
    for (int x = 1; x <= count; ++x) {
        bench_.toggle_clock_point();
        lgsim::value_code sample = bench_.read_point(signal.row, signal.column);
        // Unknown (-1) and floating (2) stay as they are and show off the
        // trace's two levels; everything else is a logic level.
        if (sample != lgsim::kNoDrive && sample != lgsim::kFloating) sample = lgsim::logic_level(sample);
        if (sample == lgsim::kHigh) sum += kSampleVolts;
        samples[x] = sample;
    }

    const int last = count - 1;  // the run counter at the end of the burst
    samples[0] = samples[1];
    for (int i = 0; i <= last && i < kTracedPairs; ++i) {
        traces_.channel1[2 * i] = kSampleVolts * samples[i];
        traces_.channel1[2 * i + 1] = kSampleVolts * samples[i + 1];
        traces_.time_steps[2 * i] = kSweepTime / last;
        traces_.time_steps[2 * i + 1] = 0;
    }
    return {count, sum / count};
}

}  // namespace bench
