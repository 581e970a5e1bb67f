// What an instrument on the bench works with: the window it sits on, the
// board under it, its icon, the bench's timers and the bench itself.
#pragma once

#include <QLineEdit>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "bench_model.h"
#include "board_view.h"
#include "instruments.h"
#include "picture_control.h"
#include "twips_geometry.h"

namespace bench {

struct instrument_surroundings {
    QWidget* window = nullptr;
    board_view* board = nullptr;
    picture_control* icon = nullptr;
    QTimer* kick = nullptr;   // `Tcal`
    QTimer* clock = nullptr;  // `Tcont18`
    QLineEdit* speed = nullptr;
    instruments* tools = nullptr;
    std::function<void(int mode)> redraw_board;
};

// A widget's rectangle in its parent's twips.
inline QRectF twips_geometry(const QWidget* w) {
    return QRectF(twips_of(w->x()), twips_of(w->y()), twips_of(w->width()), twips_of(w->height()));
}

// Moves a widget to a place given in its parent's twips.
inline void move_to_twips(QWidget* w, double left, double top) { w->move(px(left), px(top)); }

// Shown unless hidden explicitly, whether or not its window is on screen yet.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace bench
