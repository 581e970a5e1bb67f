#include "scope_test_support.h"

#include "twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace dscopex::testing {

HostRecord constant_record(double channel1, double channel2, double timestep) {
    HostRecord r;
    r.channel1.assign(211, channel1);
    r.channel2.assign(211, channel2);
    r.timestep.assign(211, timestep);
    return r;
}

HostRecord square_wave_record(int samples) {
    HostRecord r;
    auto level = [](int i) { return i % 2 == 0 ? 5.0 : 0.0; };
    for (int i = 0; i < samples && i < 100; ++i) {
        r.channel1[2 * i] = level(i);
        r.channel1[2 * i + 1] = level(i + 1);
        r.timestep[2 * i] = 8.0 / (samples - 1);
        r.timestep[2 * i + 1] = 0;
    }
    return r;
}

bool send(const HostRecord& record, Dscopew& scope) {
    return scope.data_trans(record.channel1, record.channel2, record.timestep);
}

QPoint pixel_at(double x, double y) {
    return {static_cast<int>(std::lround(x / kTwipsPerPixel)),
            static_cast<int>(std::lround(y / kTwipsPerPixel))};
}

void press(Dscopew& scope, double x, double y, Qt::MouseButton button) {
    QTest::mousePress(&scope, button, Qt::NoModifier, pixel_at(x, y));
}

void release(Dscopew& scope, double x, double y, Qt::MouseButton button) {
    QTest::mouseRelease(&scope, button, Qt::NoModifier, pixel_at(x, y));
}

void click(Dscopew& scope, double x, double y, Qt::MouseButton button) {
    press(scope, x, y, button);
    release(scope, x, y, button);
}

void move(Dscopew& scope, double x, double y, Qt::MouseButtons held) {
    const QPointF at(pixel_at(x, y));
    QMouseEvent event(QEvent::MouseMove, at, scope.mapToGlobal(at), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&scope, &event);
}

namespace {
void send_button(Dscopew& scope, QEvent::Type type, double x, double y) {
    const QPointF at(pixel_at(x, y));
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, scope.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&scope, &event);
}
}  // namespace

// A widget sees a double click as press, release, double click, release:
// the second press arrives only as the double click.
void double_click(Dscopew& scope, double x, double y) {
    send_button(scope, QEvent::MouseButtonPress, x, y);
    send_button(scope, QEvent::MouseButtonRelease, x, y);
    send_button(scope, QEvent::MouseButtonDblClick, x, y);
    send_button(scope, QEvent::MouseButtonRelease, x, y);
}

bool screen_shows_trace(const Dscopew& scope) {
    const QImage& image = scope.screen_image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 255, 0)) return true;
    return false;
}

}  // namespace dscopex::testing
