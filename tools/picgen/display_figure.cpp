#include "display_figure.h"

#include "diagram_fonts.h"
#include "diagram_style.h"
#include "display_segments.h"
#include "labelled_digit.h"

namespace picgen {

namespace {

constexpr double kScale = 0.2;  // pixels per twip
constexpr int kSideRoom = 44;   // for the labels left and right
constexpr int kEndRoom = 24;    // for the labels above and below

// The segments' extent on the package, in twips.
constexpr double kLeft = 120, kTop = 90, kRight = 540, kBottom = 707;

}  // namespace

panel display_digit_panel() {
    const QSize size(static_cast<int>((kRight - kLeft) * kScale) + 2 * kSideRoom,
                     static_cast<int>((kBottom - kTop) * kScale) + 2 * kEndRoom);
    return {size, [](QPainter& p, QPoint at) {
                std::vector<digit_segment> segments;
                for (const display_segment& s : kDisplaySegments)
                    segments.push_back({QStringLiteral("%1(%2)").arg(QString::fromLatin1(s.letter)).arg(s.pin),
                                        QLineF(s.x1, s.y1, s.x2, s.y2)});
                QTransform map;
                map.translate(at.x() + kSideRoom, at.y() + kEndRoom);
                map.scale(kScale, kScale);
                map.translate(-kLeft, -kTop);
                draw_labelled_digit(p, segments, map,
                                    {6, kLitSegmentColour, kTextColour, diagram_font(kTableFontSize, true)});
            }};
}

}  // namespace picgen
