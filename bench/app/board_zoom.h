// The scrolling area that shows the board's canvas at the view's scale. It
// fits the form into the window (at start, after Ctrl+0, and on every resize
// while fitting); Ctrl+wheel, Ctrl+= and Ctrl+- zoom around the pointer or
// the middle of the view, and a board larger than the window scrolls.
#pragma once

#include <QScrollArea>
#include <optional>

#include "board_canvas.h"

namespace bench {

class board_zoom : public QScrollArea {
    Q_OBJECT
public:
    static constexpr double kLeastZoom = 0.5;
    static constexpr double kMostZoom = 4;
    static constexpr double kStep = 1.25;

    // The shortcuts work anywhere in `window`.
    board_zoom(board_canvas* canvas, QWidget* window);

    board_canvas* canvas() const { return canvas_; }
    double zoom() const { return canvas_->scale().zoom(); }
    bool fitting() const { return fitting_; }
    // The zoom at which the form just fits the area as it is now.
    double fitting_zoom() const;

    void zoom_in();
    void zoom_out();
    void fit();
    // Zooms keeping the board point under `anchor` (viewport pixels; the
    // view's middle when none) where it is.
    void set_zoom(double zoom, std::optional<QPoint> anchor = std::nullopt);

    // The window size, inside its frame, that shows the form as large as
    // `available` allows with `below` pixels (the status line) under it; at
    // least the form at zoom 1 unless `available` is smaller still.
    static QSize start_size(QSize available, int below);

signals:
    // The canvas took a new scale or size; everything on it is placed again.
    void view_changed();
    // Sent before the canvas changes, while the old places can still be read.
    void view_changing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void apply(const view_scale& scale);

    board_canvas* canvas_;
    bool fitting_ = true;
    bool viewed_once_ = false;
};

}  // namespace bench
