#include "frame_painter.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace bench {

namespace {

// One frame of the primary screen, 60 frames a second when it does not say.
int frame_milliseconds() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen != nullptr ? screen->refreshRate() : 0.0;
    const double per_frame = rate >= 20 && rate <= 500 ? 1000.0 / rate : 1000.0 / 60;
    return std::max(1, static_cast<int>(std::floor(per_frame)));
}

}  // namespace

frame_painter::frame_painter(std::function<void()> painter, QObject* parent)
    : QObject(parent), paint_(std::move(painter)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(frame_milliseconds());
    connect(&timer_, &QTimer::timeout, this, [this] { paint(); });
}

void frame_painter::changed() {
    if (!timer_.isActive()) timer_.start();
}

void frame_painter::now() {
    timer_.stop();
    paint();
}

void frame_painter::paint() {
    if (paint_) paint_();
}

}  // namespace bench
