#include "dscopew.h"

#include "lead_arc.h"
#include "mouse_codes.h"
#include "panel_face.h"
#include "scope_screen.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace dscopex {

namespace {

QPointF to_twips(const QPointF& pixels) {
    return {pixels_to_twips(pixels.x()), pixels_to_twips(pixels.y())};
}

QPoint pixel_origin(const TwipsRect& rect) {
    return {twips_to_whole_pixels(rect.left), twips_to_whole_pixels(rect.top)};
}

int channel_of(Element element) {
    switch (element) {
    case Element::Ch2Volts:
    case Element::Ch2Coupling:
    case Element::Ch2Position:
        return 1;
    default:
        return 0;
    }
}

struct LeadPass {
    int width;  // pixels
    QColor colour;
};

// A dark sheath, a grey body and a highlight: the leads look round.
const LeadPass kLeadPasses[] = {
    {4, QColor(32, 32, 32)},
    {2, QColor(153, 153, 153)},
    {1, QColor(255, 255, 255)},
};

}  // namespace

// The clipboard is left alone on purpose: whatever the user copied in other
// programs is none of the instrument's business.
Dscopew::Dscopew(QWidget* parent) : QWidget(parent), art_(draw_scope_art()) {
    setMouseTracking(true);
    resize(sizeHint());

    screen_ = new ScopeScreen(art_.screen, this);
    screen_->move(pixel_origin(kScreenRect));
    screen_->on_hover = [this](QPointF at) { hover(at.x() + kScreenRect.left, at.y() + kScreenRect.top); };
}

Dscopew::~Dscopew() = default;

QSize Dscopew::sizeHint() const {
    return {picture_pixels(kControlWidth), picture_pixels(kControlHeight)};
}

const QImage& Dscopew::screen_image() const { return screen_->image(); }

bool Dscopew::data_trans(std::span<const double> vultage1, std::span<const double> vultage2,
                         std::span<const double> timestep) {
    if (!store_record(record_, vultage1, vultage2, timestep)) return false;
    if (panel_.display_on) draw_traces();
    return true;
}

void Dscopew::re_ctl_xy(float& Rposx, float& Rposy, float& Bposx, float& Bposy) const {
    Rposx = static_cast<float>(red_jack_.x);
    Rposy = static_cast<float>(red_jack_.y);
    Bposx = static_cast<float>(black_jack_.x);
    Bposy = static_cast<float>(black_jack_.y);
}

void Dscopew::R_re_bgd_xy(float posx, float posy) {
    red_end_ = {posx, posy};
    update();
}

void Dscopew::B_re_bgd_xy(float posx, float posy) {
    black_end_ = {posx, posy};
    update();
}

void Dscopew::draw_lines() {
    red_jack_ = kRedJack;
    black_jack_ = kBlackJack;
    update();
}

void Dscopew::draw_leg_v(QPainter& painter, float Xo, float Yo, float X, float Y) const {
    paint_lead_arc(painter, lead_arc(Xo, Yo, X, Y));
}

void Dscopew::readProperties(const QVariantMap& bag) {
    enabled_ = bag.value(QStringLiteral("Enabled"), false).toBool();
}

void Dscopew::writeProperties(QVariantMap& bag) const {
    bag.insert(QStringLiteral("Enabled"), enabled_);
}

// --- traces -----------------------------------------------------------------

void Dscopew::draw_traces() {
    clear_screen();
    if (panel_.display_mode == kModeChannel1 || panel_.display_mode == kModeBoth)
        drawn_[0] = trace_segments(record_, panel_, 0);
    if (panel_.display_mode == kModeChannel2 || panel_.display_mode == kModeBoth)
        drawn_[1] = trace_segments(record_, panel_, 1);
    screen_->draw(drawn_[0]);
    screen_->draw(drawn_[1]);
}

void Dscopew::clear_screen() {
    drawn_[0].clear();
    drawn_[1].clear();
    screen_->clear();
}

void Dscopew::after_setting_change() {
    update();
    if (panel_.display_on) draw_traces();
}

void Dscopew::toggle_power() {
    panel_.display_on = !panel_.display_on;
    if (panel_.display_on)
        draw_traces();
    else
        clear_screen();
    update();  // the power lamp
}

// --- mouse ------------------------------------------------------------------

void Dscopew::press(Element element, bool left_button, double y) {
    const int c = channel_of(element);
    switch (element) {
    case Element::Ch1Volts:
    case Element::Ch2Volts:
        panel_.volts_position[c] = stepped(panel_.volts_position[c], kVoltsPositions, left_button);
        break;
    case Element::Time:
        panel_.time_position = stepped(panel_.time_position, kTimePositions, left_button);
        break;
    case Element::Ch1Coupling:
    case Element::Ch2Coupling:
        panel_.coupling[c] = stepped(panel_.coupling[c], kSwitchPositions, left_button);
        break;
    case Element::DisplayMode:
        panel_.display_mode = stepped(panel_.display_mode, kSwitchPositions, left_button);
        break;
    case Element::TwoPosition:
        panel_.two_position = 1 - panel_.two_position;
        break;
    case Element::Ch1Position:
    case Element::Ch2Position:
        dragged_channel_ = c;
        drag_last_y_ = y;
        return;
    case Element::ShiftButton:
    case Element::None:
        return;
    }
    after_setting_change();
}

void Dscopew::drag_position_knob(double y) {
    const int c = dragged_channel_;
    panel_.position_frame[c] = turned_frame(panel_.position_frame[c], drag_last_y_, y);
    drag_last_y_ = y;
    panel_.offset[c] = position_offset(c, y);
    after_setting_change();
}

void Dscopew::hover(double x, double y) {
    bool changed = false;
    auto follow = [&](Element element, bool& enlarged) {
        const ElementLayout& layout = layout_of(element);
        if (!enlarged && layout.area.contains(x, y)) {
            enlarged = true;
            changed = true;
        } else if (enlarged && !layout.enlarged_area.contains(x, y)) {
            enlarged = false;
            changed = true;
        }
    };
    follow(Element::Ch1Volts, panel_.volts_enlarged[0]);
    follow(Element::Ch2Volts, panel_.volts_enlarged[1]);
    follow(Element::Time, panel_.time_enlarged);
    if (changed) update();
}

void Dscopew::shrink_knobs() {
    if (!panel_.volts_enlarged[0] && !panel_.volts_enlarged[1] && !panel_.time_enlarged) return;
    panel_.volts_enlarged = {false, false};
    panel_.time_enlarged = false;
    update();
}

void Dscopew::mousePressEvent(QMouseEvent* event) {
    const QPointF at = to_twips(event->position());
    // The power switch works with one click, like every other switch on the panel.
    if (kPowerSwitch.contains(at.x(), at.y())) {
        toggle_power();
        return;
    }
    const Element element = element_at(panel_, at.x(), at.y());
    if (element == Element::None) {
        emit MouseDown(button_code(event->button()), shift_code(event->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
        return;
    }
    press(element, event->button() == Qt::LeftButton, at.y());
}

void Dscopew::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = to_twips(event->position());
    emit MouseMove(button_code(event->buttons()), shift_code(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
    hover(at.x(), at.y());
    if (dragged_channel_ >= 0) drag_position_knob(at.y());
}

void Dscopew::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = to_twips(event->position());
    emit MouseUp(button_code(event->button()), shift_code(event->modifiers()),
                 static_cast<float>(at.x()), static_cast<float>(at.y()));
    dragged_channel_ = -1;
}

// The second click of a double click counts as a press of its own, so that
// two quick clicks turn a knob two steps; on the power switch it is ignored,
// so that a user who double-clicks it still turns the display on (the first
// click did).
void Dscopew::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = to_twips(event->position());
    if (kPowerSwitch.contains(at.x(), at.y())) return;
    mousePressEvent(event);
}

// Knobs shrink back when the mouse leaves the instrument, wherever it went.
void Dscopew::leaveEvent(QEvent*) { shrink_knobs(); }

// --- painting ---------------------------------------------------------------

void Dscopew::paint_pictures(QPainter& painter) const {
    auto put = [&](const TwipsRect& rect, const QPixmap& pixmap) {
        painter.drawPixmap(pixel_origin(rect), pixmap);
    };
    for (int c = 0; c < 2; ++c) {
        const Element coupling = c == 0 ? Element::Ch1Coupling : Element::Ch2Coupling;
        const Element position = c == 0 ? Element::Ch1Position : Element::Ch2Position;
        put(layout_of(coupling).picture, art_.coupling[c][panel_.coupling[c]]);
        put(layout_of(position).picture, art_.position_knob[panel_.position_frame[c]]);
    }
    put(layout_of(Element::DisplayMode).picture, art_.display_mode[panel_.display_mode]);
    put(layout_of(Element::TwoPosition).picture, art_.two_position[panel_.two_position]);

    // The big knobs last: enlarged, they reach over their neighbours.
    for (int c = 0; c < 2; ++c) {
        const ElementLayout& layout = layout_of(c == 0 ? Element::Ch1Volts : Element::Ch2Volts);
        const int p = panel_.volts_position[c];
        if (panel_.volts_enlarged[c])
            put(layout.enlarged_picture, art_.volts_large[c][p]);
        else
            put(layout.picture, art_.volts[c][p]);
    }
    const ElementLayout& time = layout_of(Element::Time);
    if (panel_.time_enlarged)
        put(time.enlarged_picture, art_.time_large[panel_.time_position]);
    else
        put(time.picture, art_.time[panel_.time_position]);
}

void Dscopew::paint_leads(QPainter& painter) {
    red_jack_ = kRedJack;
    black_jack_ = kBlackJack;
    painter.setRenderHint(QPainter::Antialiasing);
    for (const LeadPass& pass : kLeadPasses) {
        painter.setPen(QPen(pass.colour, pass.width, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        draw_leg_v(painter, black_jack_.x, black_jack_.y, black_end_.x, black_end_.y);
        draw_leg_v(painter, red_jack_.x, red_jack_.y, red_end_.x, red_end_.y);
    }
}

void Dscopew::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, art_.panel);
    paint_pictures(painter);

    painter.save();
    painter.setTransform(twips_transform());
    paint_power_switch(painter, panel_.display_on);
    painter.restore();

    paint_leads(painter);
}

}  // namespace dscopex
