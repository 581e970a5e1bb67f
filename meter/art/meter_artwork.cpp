#include "meter_artwork.h"

#include <QPainter>

#include "dial_art.h"
#include "knob_art.h"
#include "meter_geometry.h"
#include "plug_art.h"
#include "range_table.h"

namespace dmeterx {

namespace {

QImage blank_picture(double width_twips, double height_twips) {
    QImage picture(rounded_pixels(width_twips), rounded_pixels(height_twips), QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

meter_artwork draw_artwork() {
    meter_artwork art;

    QImage face = blank_picture(art::kFaceWidth, art::kFaceHeight);
    {
        QPainter painter(&face);
        painter.setTransform(twips_to_pixels());
        art::draw_face(painter);
    }

    // Each knob picture is the face under the knob picture area with the knob
    // turned to its position, so it fits the dial seamlessly.
    const auto at = geometry::kKnobPictureAt;
    const QRect area(rounded_pixels(at.x), rounded_pixels(at.y), rounded_pixels(geometry::kKnobPictureWidth),
                     rounded_pixels(geometry::kKnobPictureHeight));
    for (int p = kFirstRange; p <= kLastRange; ++p) {
        QImage knob = face.copy(area);
        QPainter painter(&knob);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(twips_to_pixels());
        painter.translate(-at.x, -at.y);
        art::draw_knob(painter, p);
        art.knobs[static_cast<std::size_t>(p)] = knob;
    }

    art.dial = face;
    {
        QPainter painter(&art.dial);
        painter.drawImage(area.topLeft(), art.knobs[kFirstRange]);
    }
    art.red_plugs = art::draw_red_plugs();
    art.black_plugs = art::draw_black_plugs();
    return art;
}

}  // namespace

const meter_artwork& artwork() {
    static const meter_artwork art = draw_artwork();
    return art;
}

}  // namespace dmeterx
