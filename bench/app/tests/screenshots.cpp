// Builds a few circuits on the real window and saves pictures of it:
// labbench_shots OUT_FOLDER. Used for the README and for looking at the bench.
// labbench_shots OUT_FOLDER FILE.cir... also loads each circuit file the way
// the load command does, switches the power on and photographs it as
// OUT_FOLDER/FILE.png.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "file_prompts.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    // labbench_shots OUT_FOLDER instruments: the multimeter and the oscilloscope at work.
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("instruments")) {
        testing::take_instrument_shots(out);
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
