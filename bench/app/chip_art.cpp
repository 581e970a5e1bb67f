#include "chip_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include "art_style.h"
#include "board_geometry.h"
#include "catalogue.h"
#include "display_geometry.h"

namespace bench::art {

namespace {

// The outlines' colours, those of the outline files.
const QColor kBody{28, 28, 30};
const QColor kBodyEdge{62, 62, 66};
const QColor kNotch{105, 105, 110};
const QColor kLeg{200, 200, 204};
const QColor kLegShade{130, 130, 136};
const QColor kPinOneMark{150, 150, 155};
const QColor kDisplayBody{22, 22, 22};
const QColor kDisplayEdge{70, 70, 70};

constexpr double kLegLength = 45;
constexpr double kLegWidth = 34;
// Pin 1's hole lies this far right of the picture's left edge; the others
// follow at the breadboard's own hole spacing.
constexpr double kPinOneOffset = kPitch / 1.4;

double hole_spacing() { return point_position(0, 1).x - point_position(0, 0).x; }

void paint_dip(QPainter& p, const lgsim::catalogue_entry& chip, double width, double height) {
    const QRectF body(0, kLegLength, width, height - 2 * kLegLength);
    // Legs first: the body covers their inner ends.
    const int per_row = chip.pin_count / 2;
    p.setPen(Qt::NoPen);
    for (int k = 0; k < per_row; ++k) {
        const double x = kPinOneOffset + k * hole_spacing();
        for (const double top : {0.0, height - kLegLength - 8}) {
            p.setBrush(kLeg);
            p.drawRect(QRectF(x - kLegWidth / 2, top, kLegWidth, kLegLength + 8));
            p.setBrush(kLegShade);
            p.drawRect(QRectF(x + kLegWidth / 2 - 10, top, 10, kLegLength + 8));
        }
    }
    p.setPen(QPen(kBodyEdge, 15));
    p.setBrush(kBody);
    p.drawRoundedRect(body.adjusted(7.5, 7.5, -7.5, -7.5), 12, 12);
    const double notch = chip.mount_kind == 1 ? 45 : 60;
    p.setPen(Qt::NoPen);
    p.setBrush(kNotch);
    p.drawPie(QRectF(-notch, body.center().y() - notch, 2 * notch, 2 * notch), -90 * 16, 180 * 16);
    p.setBrush(kPinOneMark);
    p.drawEllipse(QPointF(kPinOneOffset, body.bottom() - 38), 16, 16);
    const QString name = QString::fromUtf8(chip.model.data(), static_cast<qsizetype>(chip.model.size()));
    QFont font = label_font(std::min(body.height() * 0.62, 150.0), true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(body.adjusted(notch + 10, 0, -20, 0), Qt::AlignCenter, name);
}

void paint_display(QPainter& p, double width, double height) {
    // The segments are windows in the face, as wide as the lines the bench
    // draws them with.
    QPainterPath face;
    face.addRect(QRectF(0, 0, width, height));
    QPainterPathStroker stroke;
    stroke.setWidth(kDisplaySegmentPenWidth * kFileTwipsPerPixel);
    stroke.setCapStyle(Qt::SquareCap);
    for (const display_segment& s : kDisplayChipSegments) {
        QPainterPath line(QPointF(s.line.from.x, s.line.from.y));
        line.lineTo(s.line.to.x, s.line.to.y);
        face = face.subtracted(stroke.createStroke(line));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kDisplayEdge);
    p.drawPath(face);
    p.setBrush(kDisplayBody);
    QPainterPath inner;
    inner.addRect(QRectF(15, 15, width - 30, height - 30));
    p.drawPath(face.intersected(inner));
}

}  // namespace

drawing chip_outline(const QString& model, double width, double height) {
    const int row = lgsim::catalogue_row_of(model.trimmed().toUpper().toStdString());
    if (row < 0 || width <= 0 || height <= 0) return {};
    const lgsim::catalogue_entry& chip = lgsim::kCatalogue[static_cast<std::size_t>(row)];
    return make_drawing(width, height, [&chip, width, height](QPainter& p) {
        if (chip.chip_class == 4)
            paint_display(p, width, height);
        else
            paint_dip(p, chip, width, height);
    });
}

}  // namespace bench::art
