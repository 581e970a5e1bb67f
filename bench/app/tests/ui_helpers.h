// Helpers for driving the real window with mouse events in board twips.
#pragma once

#include <QTest>
#include <QWidget>

#include "board_geometry.h"
#include "main_window.h"
#include "twips_geometry.h"

namespace bench::testing {

// A place given in an instrument's own twips, which keep the files' scale.
inline QPoint pixel_of(double x, double y) {
    return QPoint(static_cast<int>(kFileScale.to_pixels(x) + 0.5), static_cast<int>(kFileScale.to_pixels(y) + 0.5));
}

// A place on the board, twips, as pixels of the board widget at the window's zoom.
inline QPoint board_pixel(const main_window& w, double x, double y) {
    const view_scale& s = w.scale();
    return QPoint(static_cast<int>(s.to_pixels(x) + 0.5), static_cast<int>(s.to_pixels(y) + 0.5));
}

inline QPoint pixel_of_point(const main_window& w, int row, int column) {
    const board_point p = point_position(row, column);
    return board_pixel(w, p.x, p.y);
}

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint()) {
    QTest::mouseClick(w, button, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

inline void click_point(main_window& w, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, Qt::NoModifier, pixel_of_point(w, row, column));
}

inline void click_board(main_window& w, double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, Qt::NoModifier, board_pixel(w, x, y));
}

// The colour of the board's drawing layer at a board position.
inline QColor layer_colour(const main_window& w, double x, double y) {
    const QImage& layer = w.board()->layer();
    const double scale = layer.devicePixelRatio() / w.scale().twips_per_pixel;
    return layer.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

}  // namespace bench::testing
