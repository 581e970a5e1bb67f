// The instruments on the bench: where the multimeter's and the oscilloscope's
// probes touch the circuit, what the meter reads there, and the
// oscilloscope's capture run. No widgets: the window hosts the two controls
// and hands them the values worked out here.
//
// A probe joins the circuit as a contact wire: a wire whose two ends are the
// probe's connection point and which has no points to draw. Lifting any
// probe takes every contact wire out; setting one down puts back a contact
// wire for every probe that sits on a point, of both instruments, so that
// handling one instrument never leaves the other's probes detached.
#pragma once

#include <array>
#include <optional>

#include <QString>

#include "bench_model.h"
#include "board_geometry.h"

namespace bench {

enum class instrument { meter, scope };
inline constexpr int kProbesPerInstrument = 2;
inline constexpr int kRedProbe = 0;    // the meter's red probe, the oscilloscope's signal probe
inline constexpr int kBlackProbe = 1;  // the meter's black probe, the oscilloscope's second lead

struct probe_contact {
    // The connection point the probe touches; -1, -1 for a probe that was
    // never set down or was set down away from every point.
    int row = -1;
    int column = -1;
    int node = 0;  // node of the point the probe touches; 0 while it touches none
    int chip = 0;  // the first chip pin on that node (chips in list order), chip 0 for none
    int pin = 0;

    bool on_point() const { return row >= 0 && column >= 0; }
};

// The meter's `value_type` on its resistance ranges; every other kind reads volts.
inline constexpr float kResistanceKind = 100;
inline constexpr double kOpenCircuitOhms = 900000;
inline constexpr int kMeterSamples = 10;

// Volts of a value code at a probe, or nothing where there is no reading
// (-1 unknown, 11 unpowered chip): such a sample counts as 0 as a whole.
std::optional<double> volts_of(lgsim::value_code code);

// The three arrays handed to the oscilloscope's `data_trans`, in this order.
inline constexpr int kTraceEntries = 211;
using trace_array = std::array<double, kTraceEntries>;
struct scope_traces {
    trace_array channel1{};    // volts
    trace_array channel2{};    // volts; only ever cleared, by the idle record
    trace_array time_steps{};
};

// A capture burst stores its samples at 1 .. 2800; longer bursts are cut there.
inline constexpr int kSampleTableEntries = 2801;
inline constexpr int kMostCaptureSamples = kSampleTableEntries - 1;
inline constexpr int kTracedPairs = 100;  // sample pairs that reach the trace

struct capture_result {
    int samples = 0;  // samples taken; 0 when the idle record was sent
    // The mean voltage at the signal probe, for the meter's `value_prop`;
    // nothing with the idle record, which leaves the meter as it is.
    std::optional<double> mean;
};

// The number in the `speed` text box, as a capture run reads it: the number
// the text starts with, 0 when it starts with none.
double speed_number(const QString& text);
// Samples in a capture burst at that speed: 4.5 × speed + 6 rounded down,
// with speeds not above 1 read as 1, held to the sample table.
int capture_samples(double speed);

class instruments {
public:
    explicit instruments(bench_model& bench);
    instruments(const instruments&) = delete;
    instruments& operator=(const instruments&) = delete;

    const probe_contact& probe(instrument which, int k) const;  // k is 0 or 1

    // A probe is picked up: every contact wire leaves the wire list (last
    // to first) and the nodes are renumbered.
    void lift_probes();
    // Probe k let go with its contact at board position (x, y): on a
    // connection point (the hit test) it touches that point, elsewhere none.
    // Returns the hit, whose position is the point's on a hit.
    hit set_down_probe(instrument which, int k, double x, double y);
    // The same on a known point; -1, -1 sets the probe down away from every point.
    void set_down_probe_at(instrument which, int k, int row, int column);
    // Another circuit came onto the bench (an undo, a redo): the probes that
    // sit on points join it again where they sit. With no probe on a point
    // the circuit's wires are left exactly as they came.
    void reattach_probes();

    // ---- The multimeter ----
    // One sample: volts at the red probe minus volts at the black one; 0
    // with the power off or where either probe has no reading.
    double meter_sample();
    // A tick of the measuring timer with the meter set to `value_type`: the
    // value to write into its `value_prop`. Volts: ten samples, the clock
    // point turned before each. Resistance: 0 when both probes touch one
    // node, 900000 otherwise (also for a probe on no point).
    double measure(float value_type);

    // ---- The oscilloscope ----
    // One capture run at the speed in the `speed` text box: a burst of clock
    // half-periods sampled at the signal probe's point, or the idle record
    // with the power off or that probe on no point. The trace is left in
    // traces() for `data_trans`.
    capture_result capture_run(const QString& speed_text);
    const scope_traces& traces() const { return traces_; }

private:
    probe_contact& probe_ref(instrument which, int k);
    void attach_probes();
    void find_contact_chip(probe_contact& p) const;
    void refresh_contacts(instrument which);
    lgsim::value_code reading_at(const probe_contact& p);
    void idle_record();

    bench_model& bench_;
    std::array<std::array<probe_contact, kProbesPerInstrument>, 2> probes_{};
    scope_traces traces_;
};

}  // namespace bench
