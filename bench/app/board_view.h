// The `board` picture box: the trainer picture with a persistent drawing layer
// over it. The layer starts as the trainer picture; clearing it restores that
// picture. Everything is drawn in board twips; pen widths are in pixels.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QWidget>

namespace bench {

class board_view : public QWidget {
    Q_OBJECT
public:
    explicit board_view(QWidget* parent = nullptr);

    void clear_layer();
    void draw_line(QPointF from, QPointF to, const QColor& colour, double width_pixels);
    void draw_dot(QPointF at, const QColor& colour, double width_pixels);
    // Exclusive-or pen: drawing the same line twice restores the pixels.
    void xor_line(QPointF from, QPointF to, const QColor& pen);
    // A curve in board twips (the instruments' leads), plain or exclusive-or;
    // an exclusive-or curve drawn twice with the same pen restores the pixels.
    void draw_path(const QPainterPath& path, const QColor& colour, double width_pixels);
    void xor_path(const QPainterPath& path, const QColor& pen, double width_pixels);
    void draw_image(const QImage& image, QPointF at);
    const QImage& layer() const { return layer_; }

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
    // Repaints the widget pixels under a twips rectangle, with a margin for the pen.
    void update_twips(const QRectF& twips, double margin_pixels);

    QImage trainer_;
    QImage layer_;
};

// The drag data of a chip-box entry carries its catalogue row under this type.
inline constexpr const char* kChipRowMime = "application/x-labbench-chip-row";

}  // namespace bench
