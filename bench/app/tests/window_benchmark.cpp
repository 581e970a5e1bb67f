// The window running the three-digit decade counter at the fastest clock rate,
// offscreen: the processor time it takes per second of running, and how soon
// a click on a switch is repainted at several clock rates.
//   labbench_window_benchmarks [--benchmark_...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <ctime>

#include "main_window.h"

using namespace bench;

namespace {

double processor_seconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Lets the window run for the given time.
void run_for(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window with the counter loaded, powered and clocking at `rate` (1..100).
struct running_window {
    main_window w;
    explicit running_window(int rate) {
        w.resize(1280, 860);
        w.show();
        w.model().load(QStringLiteral(BENCH_CIRCUIT_FOLDER "/decade_counter_3.cir"));
        w.model().press_power();
        w.rate_bar()->setValue(rate);
        w.kick_timer()->start(1);
        run_for(300);  // the clock starts, the first frames are painted
    }
};

// Repaints of one widget, timed from a moment on.
class paint_clock : public QObject {
public:
    explicit paint_clock(QWidget* watched) { watched->installEventFilter(this); }
    void start() {
        painted_ = false;
        since_.start();
    }
    bool painted() const { return painted_; }
    qint64 elapsed_ms() const { return elapsed_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            elapsed_ = since_.elapsed();
        }
        return false;
    }

private:
    QElapsedTimer since_;
    bool painted_ = false;
    qint64 elapsed_ = 0;
};

void WindowAtTheFastestRate(benchmark::State& state) {
    running_window r(100);
    constexpr int kRunMs = 3000;
    double per_second = 0;
    long long ticks = 0;
    QObject::connect(r.w.clock_timer(), &QTimer::timeout, [&ticks] { ++ticks; });
    for (auto _ : state) {
        const double start = processor_seconds();
        run_for(kRunMs);
        per_second = (processor_seconds() - start) / (kRunMs / 1000.0);
    }
    state.counters["cpu_ms_per_s"] = per_second * 1000;
    state.counters["percent_of_a_core"] = per_second * 100;
    state.counters["ticks_per_s"] = static_cast<double>(ticks) / (kRunMs / 1000.0);
}
BENCHMARK(WindowAtTheFastestRate)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The latest repaint of a switch after a click on it, over clicks at rates
// from the slowest to the fastest.
void SwitchClickRepaint(benchmark::State& state) {
    double worst = 0;
    for (auto _ : state) {
        for (int rate : {1, 20, 50, 100}) {
            running_window r(rate);
            QWidget* toggle = r.w.toggle_switch(3);
            paint_clock clock(toggle);
            for (int click = 0; click < 4; ++click) {
                clock.start();
                QTest::mouseClick(toggle, Qt::LeftButton, {}, toggle->rect().center());
                QElapsedTimer waited;
                waited.start();
                while (!clock.painted() && waited.elapsed() < 1000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                worst = std::max(worst, clock.painted() ? static_cast<double>(clock.elapsed_ms()) : 1000.0);
                run_for(30);
            }
        }
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(SwitchClickRepaint)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
