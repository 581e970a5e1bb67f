// The persistent surface, the plugs and leads, and each repaint.
#include <QPainter>

#include "art/meter_artwork.h"
#include "art/needle_art.h"
#include "colour_value.h"
#include "dmeterw.h"
#include "lead_arc.h"
#include "masked_sprite.h"
#include "meter_geometry.h"

namespace dmeterx {

namespace {

const QColor kLeadShadow(192, 64, 0);
const QColor kLeadRed(255, 0, 0);

QPoint pixel_at(twips_point p) { return {rounded_pixels(p.x), rounded_pixels(p.y)}; }

}  // namespace

// Drawing methods draw into the frame being painted; called at any other time
// they draw into the persistent surface, where the drawing stays.
QImage& dmeterw::canvas() { return painting_ ? frame_ : surface_; }

void dmeterw::rebuild_surface() {
    QImage fresh(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fresh.fill(colour_of(back_colour_));
    {
        QPainter painter(&fresh);
        painter.drawImage(0, 0, picture_.isNull() ? artwork().dial : picture_);
    }
    surface_ = fresh;
    range_changed_ = true;
}

void dmeterw::draw_knob_picture() {
    QPainter painter(&surface_);
    painter.drawImage(pixel_at(geometry::kKnobPictureAt), artwork().knobs[static_cast<std::size_t>(range_position_)]);
    range_changed_ = false;
}

void dmeterw::show_chatou(float& zoomflag, float& pos_in_out, float& pos_x, float& pos_y) {
    const float number = zoomflag * 4 + pos_in_out * 2;
    if (number != 0 && number != 2 && number != 4 && number != 6) return;
    const auto picture = static_cast<std::size_t>(number);
    const twips_point tip = zoomflag == 0 ? geometry::kZoomedPlugTipInPicture : geometry::kPlugTipInPicture;
    const auto& plugs = artwork().red_plugs;
    draw_masked(canvas(), pixel_at({pos_x - tip.x, pos_y - tip.y}), plugs[picture], plugs[picture + 1]);
    if (!painting_) update();
}

void dmeterw::show_chatou_b() {
    const auto& plugs = artwork().black_plugs;
    draw_masked(canvas(), pixel_at(geometry::kBlackPlugAt), plugs[2], plugs[3]);
    if (!painting_) update();
}

void dmeterw::be_in_chacong() {
    bool in_jack = false;
    for (const auto& jack : geometry::kJacks) in_jack = in_jack || plug_ == jack;
    pos_in_out_ = in_jack && !drag_.active ? 1 : 0;
}

void dmeterw::draw_leg_v(float Xo, float Yo, float X, float Y) {
    {
        QPainter painter(&canvas());
        painter.setPen(lead_pen_);
        draw_lead_arc(painter, {Xo, Yo}, {X, Y});
    }
    if (!painting_) update();
}

// A dark lead with a bright core: two passes over the same arc.
void dmeterw::draw_line() {
    const auto start = geometry::kRedLeadStart;
    const auto end = twips_point{plug_.x, plug_.y + geometry::kPlugTailBelowTip};
    const auto x0 = static_cast<float>(start.x), y0 = static_cast<float>(start.y);
    const auto x1 = static_cast<float>(end.x), y1 = static_cast<float>(end.y);
    lead_pen_ = QPen(kLeadShadow, 2);
    draw_leg_v(x0, y0, x1, y1);
    lead_pen_ = QPen(kLeadRed, 1);
    draw_leg_v(x0, y0, x1, y1);
}

void dmeterw::paintEvent(QPaintEvent*) {
    if (range_changed_) draw_knob_picture();
    frame_ = surface_;
    painting_ = true;
    be_in_chacong();
    float zoomflag = 1;
    float pos_in_out = pos_in_out_;
    auto x = static_cast<float>(plug_.x);
    auto y = static_cast<float>(plug_.y);
    show_chatou(zoomflag, pos_in_out, x, y);
    show_chatou_b();
    draw_line();
    {
        QPainter painter(&frame_);
        painter.setTransform(twips_to_pixels());
        art::draw_needle(painter, geometry::kPivot, needle_tip_);
    }
    painting_ = false;
    QPainter(this).drawImage(0, 0, frame_);
}

void dmeterw::resizeEvent(QResizeEvent*) {
    if (surface_.size() != size()) rebuild_surface();
}

}  // namespace dmeterx
