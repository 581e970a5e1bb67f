// An image control on the board: shows a picture stretched to its rectangle and
// reports presses, moves, releases and double clicks in its own twips.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "drawing.h"

namespace bench {

class picture_control : public QWidget {
    Q_OBJECT
public:
    explicit picture_control(QWidget* parent = nullptr, int index = 0);

    // A drawing is painted afresh at every size; a pixmap (a picture file) is stretched.
    void set_picture(const art::drawing& picture);
    void set_picture(const QPixmap& picture);
    void clear_picture();
    bool has_picture() const { return !drawing_.empty() || !pixmap_.isNull(); }
    const art::drawing& drawing() const { return drawing_; }
    // The picture as shown now, at the widget's size; null when there is none.
    QPixmap picture() const;
    // Element number inside its control array (K1(3) has index 3).
    int index() const { return index_; }

signals:
    void pressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void moved(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void released(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void double_clicked(int index, Qt::MouseButton button, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPointF twips_at(const QMouseEvent* event) const;

    art::drawing drawing_;
    QPixmap pixmap_;
    int index_;
};

}  // namespace bench
