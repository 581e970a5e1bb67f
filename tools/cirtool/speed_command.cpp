#include "speed_command.h"

#include <cmath>
#include <cstdint>
#include <ctime>

#include "bench_model.h"
#include "engine_tables.h"
#include "cirtool_commands.h"

namespace cirtool {

namespace {

// Processor time of this process: on a machine shared with other work the
// figure then says what the bench costs, not how busy the machine was.
double processor_seconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Ticks between two looks at the clock, so that reading it costs little
// next to the ticks themselves.
constexpr std::int64_t kTicksPerLook = 64;

}  // namespace

int speed(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 2 && arguments.size() != 3) {
        err << "cirtool: cannot parse the arguments of speed\n";
        return kUnparsable;
    }
    double seconds = 1;
    if (arguments.size() == 3) {
        bool ok = false;
        seconds = arguments[2].toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds <= 0) {
            err << "cirtool: cannot parse seconds '" << arguments[2].toStdString() << "'\n";
            return kUnparsable;
        }
    }
    bench::bench_model bench;
    const bench::file_result loaded = bench.load(arguments[1]);
    if (!loaded.ok) {
        err << loaded.message.toStdString() << '\n';
        return kFileFailed;
    }
    if (!bench.power_on()) bench.press_power();

    std::int64_t ticks = 0;
    const lgsim::pass_statistics before = lgsim::statistics();
    const double start = processor_seconds();
    double elapsed = 0;
    do {
        for (std::int64_t i = 0; i < kTicksPerLook; ++i) bench.clock_tick();
        ticks += kTicksPerLook;
        elapsed = processor_seconds() - start;
    } while (elapsed < seconds);
    out << std::llround(static_cast<double>(ticks) / elapsed) << " ticks/s\n";
    // LABBENCH_SPEED_DETAIL=1 also says how much of the circuit a tick passes again.
    if (qEnvironmentVariableIntValue("LABBENCH_SPEED_DETAIL") == 1) {
        const lgsim::pass_statistics after = lgsim::statistics();
        const double run = static_cast<double>(after.units_run - before.units_run) / static_cast<double>(ticks);
        err << "chips passed per tick: " << std::round(run * 10) / 10 << " of " << bench.chip_count() << '\n';
    }
    return kSuccess;
}

}  // namespace cirtool
