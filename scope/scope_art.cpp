#include "scope_art.h"

#include "knob_art.h"
#include "panel_face.h"
#include "panel_layout.h"
#include "scope_tables.h"
#include "screen_art.h"
#include "twips.h"

#include <QPainter>

#include <functional>

namespace dscopex {

namespace {

// Where each dial's shaft is, in its picture, and how it is drawn. The
// enlarged pictures keep the shaft where the normal ones have it, so a knob
// grows about its own centre.
struct DialArt {
    Element element;
    DialStyle normal;
    DialStyle large;  // only the enlarged knob is big enough to carry its setting
};

static constexpr DialArt kDials[] = {
    {Element::Ch1Volts, {165, 215, 275, 0}, {225, 285, 345, 105}},
    {Element::Ch2Volts, {175, 225, 285, 0}, {235, 295, 355, 105}},
    {Element::Time, {185, 235, 295, 0}, {260, 320, 385, 110}},
};

constexpr double kPositionKnobRadius = 150;

// Shaft centre of an element's normal picture, in control twips.
QPointF shaft(Element element) {
    const TwipsRect& p = layout_of(element).picture;
    return {(p.left + p.right) / 2, (p.top + p.bottom) / 2};
}

// A transparent picture of the given twips, painted through the twips
// transform with its top left at (0, 0).
QPixmap picture(const TwipsRect& rect, const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(picture_pixels(rect.width()), picture_pixels(rect.height()));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setTransform(twips_transform());
    paint(painter);
    return pixmap;
}

std::vector<QPixmap> dial_pictures(const DialArt& art, bool large, int positions,
                                   const char* const* legends) {
    const ElementLayout& layout = layout_of(art.element);
    const TwipsRect& rect = large ? layout.enlarged_picture : layout.picture;
    const QPointF centre = shaft(art.element) - QPointF(rect.left, rect.top);
    const DialStyle& style = large ? art.large : art.normal;
    std::vector<QPixmap> list(positions + 1);
    for (int p = 1; p <= positions; ++p)
        list[p] = picture(rect, [&](QPainter& painter) {
            paint_dial(painter, centre, style, p, positions,
                       style.legend_size > 0 ? QString::fromUtf8(legends[p]) : QString());
        });
    return list;
}

std::vector<QPixmap> switch_pictures(Element element, int first, int last,
                                     void (*paint)(QPainter&, double, double, int)) {
    const TwipsRect& rect = layout_of(element).picture;
    std::vector<QPixmap> list(last + 1);
    for (int p = first; p <= last; ++p)
        list[p] = picture(rect, [&](QPainter& painter) { paint(painter, rect.width(), rect.height(), p); });
    return list;
}

}  // namespace

ScopeArt draw_scope_art() {
    ScopeArt art;
    art.panel = picture({0, 0, kControlWidth, kControlHeight}, paint_panel_face);
    art.screen = picture({0, 0, kScreenRect.width(), kScreenRect.height()}, paint_screen);

    for (int c = 0; c < 2; ++c) {
        art.volts[c] = dial_pictures(kDials[c], false, kVoltsPositions, kVoltsLegend.data());
        art.volts_large[c] = dial_pictures(kDials[c], true, kVoltsPositions, kVoltsLegend.data());
        art.coupling[c] = switch_pictures(c == 0 ? Element::Ch1Coupling : Element::Ch2Coupling, 1,
                                          kSwitchPositions, paint_coupling_switch);
    }
    art.time = dial_pictures(kDials[2], false, kTimePositions, kTimeLegend.data());
    art.time_large = dial_pictures(kDials[2], true, kTimePositions, kTimeLegend.data());
    art.display_mode = switch_pictures(Element::DisplayMode, 1, kSwitchPositions, paint_mode_switch);
    art.two_position = switch_pictures(Element::TwoPosition, 0, 1, paint_toggle);

    // Both position knobs share one set of frames; the two pictures are the
    // same size and the knob sits in the middle of each.
    const TwipsRect& knob = layout_of(Element::Ch1Position).picture;
    art.position_knob.resize(kPositionKnobFrames + 1);
    for (int f = 1; f <= kPositionKnobFrames; ++f)
        art.position_knob[f] = picture(knob, [&](QPainter& painter) {
            paint_position_knob(painter, QPointF(knob.width() / 2, knob.height() / 2),
                                kPositionKnobRadius, f, kPositionKnobFrames);
        });
    return art;
}

}  // namespace dscopex
