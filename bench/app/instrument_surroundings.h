// What an instrument on the bench works with: the canvas it sits on, the
// board under it, its icon, the bench's timers and the bench itself.
#pragma once

#include <QLineEdit>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "bench_model.h"
#include "board_canvas.h"
#include "board_view.h"
#include "instruments.h"
#include "picture_control.h"
#include "twips_geometry.h"

namespace bench {

struct instrument_surroundings {
    QWidget* window = nullptr;  // the canvas the board and the instruments sit on
    board_view* board = nullptr;
    picture_control* icon = nullptr;
    QTimer* kick = nullptr;   // `Tcal`
    QTimer* clock = nullptr;  // `Tcont18`
    QLineEdit* speed = nullptr;
    instruments* tools = nullptr;
    std::function<void(int mode)> redraw_board;
    // The rectangles, canvas pixels, of the instruments open now and of the
    // probes shown on the board.
    std::function<std::vector<QRect>()> open_instruments;
    std::function<std::vector<QRect>()> probes_shown;
};

// A widget's rectangle in its parent's twips, at the view's scale.
inline QRectF twips_geometry(const QWidget* w) { return twips_of(scale_of(w), w->geometry()); }

// Moves a widget to a place given in its parent's twips.
inline void move_to_twips(QWidget* w, double left, double top) {
    const view_scale& scale = scale_of(w);
    w->move(px(scale, left), px(scale, top));
}

// The instruments draw themselves at the files' scale whatever the zoom; a
// length in an instrument's own twips as twips of the view, and back.
inline double view_twips_of_instrument(const QWidget* w, double instrument_twips) {
    return scale_of(w).to_twips(kFileScale.to_pixels(instrument_twips));
}
inline double instrument_twips_of_view(const QWidget* w, double view_twips) {
    return kFileScale.to_twips(scale_of(w).to_pixels(view_twips));
}

// Where an instrument and its two probes stand, taken before the view's
// scale changes and put back at the new one: the instrument's top left from
// the board's and the probes' top lefts, board twips.
struct held_place {
    board_point instrument;
    std::array<board_point, 2> probes;
};

inline held_place place_of(const QWidget* board, const QWidget* instrument,
                           const std::array<picture_control*, 2>& probes) {
    const QRectF on_board = twips_geometry(board);
    const QRectF body = twips_geometry(instrument);
    held_place held{{body.left() - on_board.left(), body.top() - on_board.top()}, {}};
    for (std::size_t k = 0; k < probes.size(); ++k) {
        const QRectF probe = twips_geometry(probes[k]);
        held.probes[k] = {probe.left(), probe.top()};
    }
    return held;
}

// A probe's top left, board twips: where it was held, or where it stands.
inline board_point probe_top_left(const std::optional<held_place>& held, std::size_t k, const QWidget* probe) {
    if (held) return held->probes[k];
    const QRectF now = twips_geometry(probe);
    return {now.left(), now.top()};
}

// The instrument back at its held place beside the board, at the board's scale.
inline void put_back(const held_place& held, const QWidget* board, QWidget* instrument) {
    const view_scale& scale = scale_of(board);
    instrument->move(board->pos() + QPoint(px(scale, held.instrument.x), px(scale, held.instrument.y)));
}

// Shown unless hidden explicitly, whether or not its window is on screen yet.
inline bool shown(const QWidget* w) { return !w->isHidden(); }

}  // namespace bench
