#pragma once

#include "scope_trace.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

namespace dscopex {

// The screen of the oscilloscope: a picture that keeps what was drawn on it
// until it is cleared back to the bare graticule. Presses on it are its own
// and go no further.
class ScopeScreen : public QWidget {
    Q_OBJECT
public:
    ScopeScreen(const QPixmap& blank, QWidget* parent);

    void clear();
    void draw(const std::vector<TraceSegment>& segments);

    const QImage& image() const { return layer_; }

    // Told where the mouse is as it passes over the screen, in screen twips,
    // so that the knobs beside the screen can shrink back.
    std::function<void(QPointF)> on_hover;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap blank_;
    QImage layer_;
};

}  // namespace dscopex
