// The oscilloscope's capture run: burst length, samples, the trace and the idle record.
#include <gtest/gtest.h>

#include "bench_test_support.h"
#include "instruments.h"

using namespace bench;
using namespace bench::testing;

namespace {

struct scope_on_board : ::testing::Test {
    void probe_on(int row, int column) { tools.set_down_probe_at(instrument::scope, kRedProbe, row, column); }
    const scope_traces& traces() const { return tools.traces(); }

    bench_model bench;
    instruments tools{bench};
};

TEST(CaptureBurst, SamplesFromTheSpeedText) {
    struct burst {
        const char* speed;
        int samples;
    };
    const burst cases[] = {
        {"20", 96},  {"40", 186},     {"10", 51},    {"1", 10},      {"0.2", 10}, {"", 10},
        {"abc", 10}, {"12.5 Hz", 62}, {"-30", 10},   {"320", 1446},  {"621", 2800}, {"640", 2800},
        {"5000", 2800}, {"1e300", 2800}, {"inf", 10},
    };
    for (const burst& b : cases)
        EXPECT_EQ(capture_samples(speed_number(QString::fromLatin1(b.speed))), b.samples) << b.speed;
}

TEST_F(scope_on_board, ClockProbeAtTheDefaultSpeed) {
    power_on(bench);
    probe_on(36, 16);
    const capture_result r = tools.capture_run(QStringLiteral("20"));
    EXPECT_EQ(r.samples, 96);
    ASSERT_TRUE(r.mean);
    EXPECT_DOUBLE_EQ(*r.mean, 2.5);
    // The clock starts at 0 and turns before each sample: 1, 0, 1, ...; the
    // first pair repeats sample 1.
    EXPECT_EQ(traces().channel1[0], 5);
    EXPECT_EQ(traces().channel1[1], 5);
    for (int i = 1; i < 96; ++i) {
        const double earlier = i % 2 == 1 ? 5 : 0;
        EXPECT_EQ(traces().channel1[2 * i], earlier) << i;
        EXPECT_EQ(traces().channel1[2 * i + 1], 5 - earlier) << i;
        EXPECT_DOUBLE_EQ(traces().time_steps[2 * i], 8.0 / 95) << i;
        EXPECT_EQ(traces().time_steps[2 * i + 1], 0) << i;
    }
    EXPECT_EQ(traces().time_steps[192], 0) << "nothing written past the burst";
    EXPECT_EQ(bench.point_value(36, 16), lgsim::kLow) << "left at the level of the last sample";
}

TEST_F(scope_on_board, ALongBurstTracesItsFirstHundredPairs) {
    power_on(bench);
    probe_on(36, 16);
    const capture_result r = tools.capture_run(QStringLiteral("40"));
    EXPECT_EQ(r.samples, 186);
    EXPECT_DOUBLE_EQ(*r.mean, 2.5);
    EXPECT_DOUBLE_EQ(traces().time_steps[198], 8.0 / 185);
    EXPECT_EQ(traces().channel1[199], 0) << "pair 99: samples 99 and 100";
    EXPECT_EQ(traces().channel1[198], 5);
    for (int k = 200; k < kTraceEntries; ++k) {
        EXPECT_EQ(traces().channel1[k], 0) << k;
        EXPECT_EQ(traces().time_steps[k], 0) << k;
    }
}

TEST_F(scope_on_board, SupplyProbeShowsFiveVolts) {
    power_on(bench);
    probe_on(36, 22);
    const capture_result r = tools.capture_run(QStringLiteral("20"));
    EXPECT_DOUBLE_EQ(*r.mean, 5);
    for (int k = 0; k < 192; ++k) EXPECT_EQ(traces().channel1[k], 5) << k;
}

TEST_F(scope_on_board, UnknownAndFloatingSamplesLeaveTheTwoLevels) {
    power_on(bench);
    place_chip(bench, "74LS00", 14, 10);
    probe_on(17, 11);  // pin 2's strip: an open input
    capture_result r = tools.capture_run(QStringLiteral("20"));
    EXPECT_EQ(*r.mean, 0);
    EXPECT_EQ(traces().channel1[5], 10);
    probe_on(3, 40);  // an empty hole
    r = tools.capture_run(QStringLiteral("20"));
    EXPECT_EQ(*r.mean, 0);
    EXPECT_EQ(traces().channel1[5], -5);
}

TEST_F(scope_on_board, IdleRecordWithThePowerOffOrTheProbeOnNoPoint) {
    power_on(bench);
    probe_on(36, 22);
    tools.capture_run(QStringLiteral("20"));
    bench.press_power();
    const capture_result off = tools.capture_run(QStringLiteral("20"));
    EXPECT_EQ(off.samples, 0);
    EXPECT_FALSE(off.mean) << "the meter keeps its value";
    for (int k = 0; k < 22; ++k) {
        EXPECT_EQ(traces().channel1[k], 0) << k;
        EXPECT_EQ(traces().time_steps[k], 100) << k;
    }
    EXPECT_EQ(traces().channel1[22], 5) << "the rest keeps the last burst";
    EXPECT_DOUBLE_EQ(traces().time_steps[22], 8.0 / 95);

    power_on(bench);
    probe_on(-1, -1);
    EXPECT_FALSE(tools.capture_run(QStringLiteral("20")).mean);
    EXPECT_EQ(traces().time_steps[0], 100);
}

TEST_F(scope_on_board, OnlyThePowerAndTheSignalProbeMatter) {
    power_on(bench);
    EXPECT_FALSE(tools.capture_run(QStringLiteral("20")).mean) << "never set down";
    tools.set_down_probe_at(instrument::meter, kRedProbe, 36, 22);
    EXPECT_FALSE(tools.capture_run(QStringLiteral("20")).mean) << "the meter's probes are not sampled";
}

}  // namespace
