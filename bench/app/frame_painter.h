// Paints what the bench's clock ticks change at most once per display frame.
//
// At the fastest rate the clock ticks a thousand times a second, far more
// often than a screen shows a picture; every tick that changes the
// indicators asks for a frame, and the frame paints them once, as they stand
// then. A user's own action (a click, a key) is painted at once instead, so
// that it never waits for a frame.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace bench {

class frame_painter : public QObject {
    Q_OBJECT
public:
    // `paint` paints what changed; it is called from the frame timer or from now().
    frame_painter(std::function<void()> painter, QObject* parent);

    // Something changed: it is painted at the next frame.
    void changed();
    // Paint now whatever waits, and whatever the caller changed.
    void now();

    QTimer* timer() { return &timer_; }

private:
    void paint();

    std::function<void()> paint_;
    QTimer timer_;
};

}  // namespace bench
