// Builds a few circuits on the real window and saves pictures of it:
// labbench_shots OUT_FOLDER. Used for the README and for looking at the bench.
// labbench_shots OUT_FOLDER FILE.cir... also loads each circuit file the way
// the load command does, switches the power on and photographs it as
// OUT_FOLDER/FILE.png.
// labbench_shots OUT_FOLDER window NAME FILE.cir [maximised] photographs the
// whole window as it starts on its screen (or maximised) with the circuit
// running, the meter open and the pointer over a point: OUT_FOLDER/NAME.png.
// Maximised, the circuit is loaded with the load command, so its lab sheet
// opens beside the board; otherwise the bench loads it alone.
// The interface speaks the system locale's language, as the program does:
// LANG=zh_CN.UTF-8 for the Chinese pictures, LANG=en_US.UTF-8 for English.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTest>

#include "data_folder.h"
#include "file_prompts.h"
#include "interface_language.h"
#include "instrument_mouse.h"
#include "instrument_shots.h"
#include "main_window.h"
#include "shot_wires.h"

using namespace bench;
using bench::testing::wire_between;

namespace {

// Seats a chip of catalogue row `row` with its upper pin row on grid row `upper_row`.
int seat(bench_model& m, int row, int upper_row, int column) {
    const board_point p = point_position(upper_row, column);
    const int k = m.drop_chip(row, p.x - kPitch / 1.4, p.y + 5);
    m.release_chip(k);
    return k;
}

void settle(main_window& w, int ticks) {
    for (int k = 0; k < ticks; ++k) {
        w.model().clock_tick();
        QCoreApplication::processEvents();
    }
}

// The open dialog answers with one file; nothing else is asked.
struct open_one_file : file_prompts {
    explicit open_one_file(QString path) : path_(std::move(path)) {}
    std::optional<QString> save_file_name(const QString&) override { return std::nullopt; }
    std::optional<QString> open_file_name(const QString&) override { return path_; }
    bool ask_overwrite(const QString&) override { return false; }
    void warn(const QString& text) override { qWarning("%s", qPrintable(text)); }
    QString path_;
};

void photograph_circuit(const QString& path, const QString& out) {
    main_window w;
    w.show();
    w.set_prompts(std::make_unique<open_one_file>(path));
    w.load_command();
    w.model().press_power();
    settle(w, 4);
    QTest::qWait(50);
    w.grab().save(out + u'/' + QFileInfo(path).completeBaseName() + QStringLiteral(".png"));
}

// The window as a user first sees it on this screen, or maximised: the
// circuit loaded and running, the meter measuring the clock terminal and the
// pointer over a point, so the ring and the status line show.
void photograph_window(const QString& name, const QString& path, bool maximised, const QString& out) {
    main_window w;
    if (maximised) {
        w.showMaximized();
        // Without a window manager nothing maximises: take the whole screen.
        const QRect screen = w.screen()->availableGeometry();
        if (w.size() != screen.size()) w.setGeometry(screen);
    } else {
        w.show();
    }
    if (!QTest::qWaitForWindowExposed(&w)) return;
    QTest::qWait(100);
    if (maximised) {
        w.set_prompts(std::make_unique<open_one_file>(path));
        w.load_command();
    } else {
        w.model().load(path);
        w.circuit_name()->setText(w.model().circuit_caption());
        w.redraw_board(0);
    }
    w.model().press_power();
    settle(w, 9);
    testing::click(w.meter_icon());
    meter_on_bench* meter = w.meter();
    meter->meter()->set_step_delay(std::chrono::microseconds{0});
    for (int turn = 0; turn < 2; ++turn) QTest::mouseClick(meter->meter(), Qt::LeftButton, {}, QPoint(87, 175));
    testing::drag_probe_to_point(w, meter->probe(0), 36, kClockColumn);
    testing::drag_probe_to_point(w, meter->probe(1), 36, kGroundColumn);
    settle(w, 4);
    QTest::qWait(50);
    const board_point hover = point_position(36, kClockColumn);
    QTest::mouseMove(w.windowHandle(), testing::board_pixel_in_window(w, hover.x + 20, hover.y - 20));
    QTest::qWait(50);
    w.grab().save(out + u'/' + name + QStringLiteral(".png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    install_translations(app, QDir(data_folder()).filePath(QStringLiteral("translations")), QLocale::system());
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    // labbench_shots OUT_FOLDER instruments: the multimeter and the oscilloscope at work.
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("instruments")) {
        testing::take_instrument_shots(out);
        return 0;
    }
    if (argc > 4 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("window")) {
        photograph_window(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                          argc > 5 && QString::fromLocal8Bit(argv[5]) == QStringLiteral("maximised"), out);
        return 0;
    }

    main_window w;
    w.show();
    bench_model& m = w.model();
    // A NAND gate on two switches, shown on LED 0.
    const int chip = seat(m, 0, 14, 20);
    (void)chip;
    m.add_wire(wire_between(12, 20, 36, 22, rgb(255, 0, 128)));
    m.add_wire(wire_between(17, 26, 36, 26, rgb(10, 10, 10)));
    m.add_wire(wire_between(18, 20, 36, 0, rgb(64, 0, 255)));
    m.add_wire(wire_between(18, 21, 36, 1, rgb(0, 128, 0)));
    m.add_wire(wire_between(13, 26, 35, 0, rgb(128, 0, 128)));
    w.redraw_board(0);
    m.press_power();
    m.press_switch(0);
    settle(w, 4);
    QTest::qWait(50);
    w.grab().save(out + QStringLiteral("/nand.png"));
    for (int i = 2; i < argc; ++i) photograph_circuit(QString::fromLocal8Bit(argv[i]), out);
    return 0;
}
