// The mouse on the instruments as a user holds it: presses, moves and
// releases go through the window, so Qt picks the receiving widget and keeps
// sending to the one pressed, even when it hides itself.
#pragma once

#include <QTest>
#include <QWindow>

#include "main_window.h"
#include "ui_helpers.h"

namespace bench::testing {

inline QPoint in_window(const main_window& w, const QWidget* widget, QPoint at) {
    return widget->mapTo(&w, at);
}

inline QPoint board_pixel_in_window(const main_window& w, double x, double y) {
    return in_window(w, w.board(), board_pixel(w, x, y));
}

// Picks up a probe picture by its middle and lets it go with the mouse on
// board position (x, y), moving there in a few steps.
inline void drag_probe_to(main_window& w, QWidget* probe, double x, double y,
                          Qt::MouseButton button = Qt::LeftButton) {
    QWindow* window = w.windowHandle();
    const QPoint start = in_window(w, probe, probe->rect().center());
    const QPoint end = board_pixel_in_window(w, x, y);
    QTest::mousePress(window, button, Qt::NoModifier, start);
    for (int step = 1; step <= 4; ++step) QTest::mouseMove(window, start + (end - start) * step / 4);
    QTest::mouseRelease(window, button, Qt::NoModifier, end);
}

inline void drag_probe_to_point(main_window& w, QWidget* probe, int row, int column) {
    const board_point p = point_position(row, column);
    drag_probe_to(w, probe, p.x, p.y);
}

// Presses on an instrument at (x, y) of its own twips, moves the mouse by
// (dx, dy) of its twips and releases it there.
inline void drag_instrument(main_window& w, QWidget* instrument, double x, double y, double dx, double dy) {
    QWindow* window = w.windowHandle();
    const QPoint start = in_window(w, instrument, pixel_of(x, y));
    const QPoint end = start + pixel_of(dx, dy);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(window, end);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, end);
}

// The meter's stored value, which the control lets a host read only at design time.
inline double meter_value(dmeterx::dmeterw* meter) {
    meter->set_design_mode(true);
    const double value = meter->value_prop();
    meter->set_design_mode(false);
    return value;
}

}  // namespace bench::testing
