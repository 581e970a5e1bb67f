#include "instrument_shots.h"

#include <QCoreApplication>

#include "instrument_mouse.h"
#include "shot_wires.h"

namespace bench::testing {

namespace {

void wait_for_timers() {
    for (int k = 0; k < 20; ++k) QTest::qWait(5);
}

void meter_shot(const QString& folder) {
    main_window w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return;
    bench_model& m = w.model();
    // Switch 2 runs to a hole on the breadboard; the red probe goes there,
    // the black one on ground.
    m.add_wire(wire_between(36, 2, 22, 30, rgb(64, 0, 255)));
    w.redraw_board(0);
    click(w.toggle_switch(2));
    click(w.power_switch());
    click(w.meter_icon());
    meter_on_bench* meter = w.meter();
    meter->meter()->set_step_delay(std::chrono::microseconds{0});
    // Range 3, 10 V direct: two turns of the knob.
    for (int turn = 0; turn < 2; ++turn) QTest::mouseClick(meter->meter(), Qt::LeftButton, {}, QPoint(87, 175));
    drag_probe_to_point(w, meter->probe(0), 24, 30);
    drag_probe_to_point(w, meter->probe(1), 36, 26);
    wait_for_timers();
    w.grab().save(folder + QStringLiteral("/meter.png"));
}

void scope_shot(const QString& folder) {
    main_window w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return;
    click(w.power_switch());
    click(w.scope_icon());
    scope_on_bench* scope = w.scope();
    drag_probe_to_point(w, scope->probe(0), 36, 16);
    // The display comes on with a double click on its power switch; channel
    // 1 on DC at 2 V a division, 0.1 time units a division.
    QTest::mouseDClick(scope->scope(), Qt::LeftButton, {}, pixel_of(1900, 3870));
    for (int turn = 0; turn < 2; ++turn) QTest::mouseClick(scope->scope(), Qt::LeftButton, {}, pixel_of(720, 1395));
    QTest::mouseClick(scope->scope(), Qt::LeftButton, {}, pixel_of(650, 780));
    for (int turn = 0; turn < 3; ++turn) QTest::mouseClick(scope->scope(), Qt::RightButton, {}, pixel_of(5960, 1250));
    w.kick_timer()->start();
    wait_for_timers();
    w.grab().save(folder + QStringLiteral("/scope.png"));
}

}  // namespace

void take_instrument_shots(const QString& folder) {
    meter_shot(folder);
    scope_shot(folder);
}

}  // namespace bench::testing
