// Renders the oscilloscope, switched on and showing a square wave, into a
// PNG: dscopex_snapshot OUT.png [ZOOM [HOVER_X HOVER_Y]], the hover point in
// control twips.
#include "dscopew.h"
#include "twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A point of the control in twips, where the mouse events want pixels.
QPointF at(double x, double y) { return {dscopex::twips_to_pixels(x), dscopex::twips_to_pixels(y)}; }

void send_event(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void click(QWidget& widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    send_event(widget, QEvent::MouseButtonPress, at, button);
    send_event(widget, QEvent::MouseButtonRelease, at, button);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dscopex_snapshot OUT.png [ZOOM [HOVER_X HOVER_Y]]\n");
        return 2;
    }
    const int zoom = argc > 2 ? std::atoi(argv[2]) : 1;

    dscopex::Dscopew scope;
    scope.show();

    // A burst of 96 clock samples, as the bench sends it, on channel 1 and a
    // slower square wave on channel 2.
    std::vector<double> ch1(211, 0.0), ch2(211, 0.0), step(211, 0.0);
    const int samples = 96;
    for (int i = 0; i < samples && i < 100; ++i) {
        ch1[2 * i] = i % 2 == 0 ? 5 : 0;
        ch1[2 * i + 1] = (i + 1) % 2 == 0 ? 5 : 0;
        ch2[2 * i] = (i / 4) % 2 == 0 ? 5 : 0;
        ch2[2 * i + 1] = ((i + 1) / 4) % 2 == 0 ? 5 : 0;
        step[2 * i] = 8.0 / (samples - 1);
    }

    // Power on, both channels, DC coupled, channel 1 at 2 V a division, 500
    // a division.
    send_event(scope, QEvent::MouseButtonDblClick, at(1900, 3870), Qt::LeftButton);
    click(scope, at(1357, 1900));
    click(scope, at(1357, 1900));
    for (int i = 0; i < 2; ++i) {
        click(scope, at(900, 1400));
        click(scope, at(900, 3230));
    }
    click(scope, at(650, 785));
    for (int i = 0; i < 5; ++i) click(scope, at(5962, 1252), Qt::RightButton);
    // Channel 2 at 5 V a division, three divisions down.
    send_event(scope, QEvent::MouseButtonPress, at(1290, 3405), Qt::LeftButton);
    QMouseEvent drag(QEvent::MouseMove, at(1290, 4125), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&scope, &drag);
    send_event(scope, QEvent::MouseButtonRelease, at(1290, 4125), Qt::LeftButton);

    scope.data_trans(ch1, ch2, step);
    scope.R_re_bgd_xy(-900, 2600);
    scope.B_re_bgd_xy(380, 3860);
    if (argc > 4) {
        const QPointF point = at(std::atof(argv[3]), std::atof(argv[4]));
        QMouseEvent hover(QEvent::MouseMove, point, scope.mapToGlobal(point), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&scope, &hover);
    }

    QPixmap shot = scope.grab();
    if (zoom > 1) shot = shot.scaled(shot.size() * zoom, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
