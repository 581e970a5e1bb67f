// Helpers for driving the real window with mouse events in board twips.
#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
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

// Drops a chip-box entry's drag data on the board at a board position, as a
// drag from the chip box does.
inline void drop_row(main_window& w, int row, double x, double y) {
    QMimeData data;
    data.setData(QString::fromLatin1(kChipRowMime), QByteArray::number(row));
    const QPointF at(w.scale().to_pixels(x), w.scale().to_pixels(y));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board(), &drop);
}

// Press on a chip's picture, drag it by (dx, dy) twips, release.
inline void drag_chip(main_window& w, int k, double dx, double dy) {
    picture_control* pic = w.chip_picture(k);
    const QPoint start(5, 5);
    QTest::mousePress(pic, Qt::LeftButton, Qt::NoModifier, start);
    const QPointF by = QPointF(dx, dy) / w.scale().twips_per_pixel;
    QMouseEvent move(QEvent::MouseMove, QPointF(start) + by, pic->mapToGlobal(QPointF(start) + by), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pic, &move);
    QTest::mouseRelease(pic, Qt::LeftButton, Qt::NoModifier, pic->mapFromGlobal(move.globalPosition().toPoint()));
}

// The colour of the board's drawing layer at a board position.
inline QColor layer_colour(const main_window& w, double x, double y) {
    const QImage& layer = w.board()->layer();
    const double scale = layer.devicePixelRatio() / w.scale().twips_per_pixel;
    return layer.pixelColor(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

}  // namespace bench::testing
