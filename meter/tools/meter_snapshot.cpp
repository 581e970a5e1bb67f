// Renders the meter in a few states into PNG files in the given folder:
//   meter_snapshot FOLDER
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTextStream>

#include "art/meter_artwork.h"
#include "dmeterw.h"
#include "meter_geometry.h"

namespace {

void save(const QImage& image, const QDir& folder, const QString& name, int scale) {
    const QString path = folder.filePath(name + ".png");
    image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation).save(path);
    QTextStream(stdout) << path << "\n";
}

// Presses, moves and releases the left button in control pixels.
void mouse(QWidget& widget, QEvent::Type type, QPointF at) {
    const bool held = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QPointF pixels_of(dmeterx::twips_point p) { return {dmeterx::to_pixels(p.x), dmeterx::to_pixels(p.y)}; }

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: meter_snapshot FOLDER [SCALE]\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int scale = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    dmeterx::dmeterw meter;
    meter.set_step_delay(std::chrono::microseconds{0});
    meter.show();
    save(meter.grab().toImage(), folder, "meter_rest", scale);

    meter.set_value_prop(0.3);  // 0.3 V on the 0.5 V range
    save(meter.grab().toImage(), folder, "meter_reading", scale);

    // Carry the plug to jack 2 and leave it half way to jack 0.
    const auto jacks = dmeterx::geometry::kJacks;
    mouse(meter, QEvent::MouseButtonPress, pixels_of(jacks[1]));
    mouse(meter, QEvent::MouseMove, pixels_of(jacks[2]));
    mouse(meter, QEvent::MouseButtonRelease, pixels_of(jacks[2]));
    save(meter.grab().toImage(), folder, "meter_jack2", scale);
    mouse(meter, QEvent::MouseButtonPress, pixels_of(jacks[2]));
    mouse(meter, QEvent::MouseMove, pixels_of({1000, 2700}));
    save(meter.grab().toImage(), folder, "meter_dragging", scale);
    mouse(meter, QEvent::MouseButtonRelease, pixels_of(jacks[0]));
    save(meter.grab().toImage(), folder, "meter_jack0", 1);

    for (const auto& [name, picture] : {std::pair{"plug_red_4", 4}, std::pair{"plug_red_6", 6}}) {
        save(dmeterx::artwork().red_plugs[picture], folder, name, 6);
        save(dmeterx::artwork().red_plugs[picture + 1], folder, QString(name) + "_mask", 6);
    }
    save(dmeterx::artwork().knobs[12], folder, "knob_12", 4);
    return 0;
}
