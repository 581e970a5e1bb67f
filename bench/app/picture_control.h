// An image control on the board: shows a picture stretched to its rectangle and
// reports presses, moves, releases and double clicks in its own twips.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace bench {

class picture_control : public QWidget {
    Q_OBJECT
public:
    explicit picture_control(QWidget* parent = nullptr, int index = 0);

    void set_picture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
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
    QPixmap picture_;
    int index_;
};

}  // namespace bench
