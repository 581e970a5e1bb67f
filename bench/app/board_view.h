// The `board` picture box: the trainer picture with a persistent drawing layer
// over it. The layer starts as the trainer picture; clearing it restores that
// picture. Everything is drawn in board twips; pen widths are in pixels of the
// board at zoom 1, so lines grow with the board. The layer holds device pixels
// of the view's scale: after a change of scale or screen, `rescale` draws the
// trainer afresh and whoever drew on the layer draws again.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QWidget>

#include "drawing.h"

namespace bench {

class board_view : public QWidget {
    Q_OBJECT
public:
    explicit board_view(QWidget* parent = nullptr);

    // Draws the trainer for the widget's present size, scale and screen and
    // clears the layer; false when nothing had changed (the layer is kept).
    bool rescale();
    void clear_layer();
    void draw_line(QPointF from, QPointF to, const QColor& colour, double width_pixels);
    void draw_dot(QPointF at, const QColor& colour, double width_pixels);
    // Exclusive-or pen: drawing the same line twice restores the pixels.
    void xor_line(QPointF from, QPointF to, const QColor& pen);
    // A curve in board twips (the instruments' leads), plain or exclusive-or;
    // an exclusive-or curve drawn twice with the same pen restores the pixels.
    void draw_path(const QPainterPath& path, const QColor& colour, double width_pixels);
    void xor_path(const QPainterPath& path, const QColor& pen, double width_pixels);
    // A picture with its top left at `at`, twips.
    void draw_picture(const art::drawing& picture, QPointF at);
    const QImage& layer() const { return layer_; }
    // Counts the times the layer was put back to the bare trainer (a clear or
    // a new scale), so that whoever drew on it knows to draw again.
    int layer_generation() const { return layer_generation_; }
    // The board position under a point of the widget, twips.
    QPointF twips_at(QPointF widget_pixels) const;

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    // A chip-box entry dropped on the board: its catalogue row, at (x, y).
    void chip_dropped(int catalogue_row, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A painter on the layer that draws in twips.
    void begin_twips(QPainter& p) const;
    // Repaints the widget pixels under a twips rectangle, with a margin for the pen.
    void update_twips(const QRectF& twips, double margin_pixels);

    QImage trainer_;
    QImage layer_;
    int layer_generation_ = 0;
    // What the trainer was drawn for.
    double drawn_twips_per_pixel_ = 0;
    qreal drawn_ratio_ = 0;
    QSize drawn_size_;
};

// The drag data of a chip-box entry carries its catalogue row under this type.
inline constexpr const char* kChipRowMime = "application/x-labbench-chip-row";

}  // namespace bench
