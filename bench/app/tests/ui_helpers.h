// Helpers for driving the real window with mouse events in board twips.
#pragma once

#include <QTest>
#include <QWidget>

#include "board_geometry.h"
#include "main_window.h"
#include "twips_geometry.h"

namespace bench::testing {

inline QPoint pixel_of(double x, double y) {
    return QPoint(static_cast<int>(x / kTwipsPerPixel + 0.5), static_cast<int>(y / kTwipsPerPixel + 0.5));
}

inline QPoint pixel_of_point(int row, int column) {
    const board_point p = point_position(row, column);
    return pixel_of(p.x, p.y);
}

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint()) {
    QTest::mouseClick(w, button, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

inline void click_point(main_window& w, int row, int column, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, Qt::NoModifier, pixel_of_point(row, column));
}

inline void click_board(main_window& w, double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.board(), button, Qt::NoModifier, pixel_of(x, y));
}

// The colour of the board's drawing layer at a board position.
inline QColor layer_colour(const main_window& w, double x, double y) {
    const QImage& layer = w.board()->layer();
    const double scale = layer.devicePixelRatio() / kTwipsPerPixel;
    return layer.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

}  // namespace bench::testing
