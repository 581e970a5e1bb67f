#include "meter_on_bench.h"

#include "form_layout.h"
#include "instrument_placement.h"
#include "probe_art.h"
#include "probe_handling.h"

namespace bench {

namespace {

// Where the meter would open among equal places, the right of the board below
// the display module (form twips), and where its probes lie before their
// first drop (board twips).
constexpr double kStartLeft = 8670, kStartTop = 3100;
constexpr board_point kProbeStarts[2] = {{7300, 4300}, {7330, 4950}};

// The close box at the meter's top left corner.
constexpr double kCloseBoxWidth = 270, kCloseBoxHeight = 360;
// The leads leave the meter's lower edge this far in from its sides.
constexpr double kLeadInset = 200;

const lead_pen kRedLead{QColor(255, 0, 0), 3};
const lead_pen kBlackLead{QColor(0, 0, 0), 3};

}  // namespace

meter_on_bench::meter_on_bench(const instrument_surroundings& around, QObject* parent)
    : QObject(parent), around_(around) {
    meter_ = new dmeterx::dmeterw(around_.window);
    meter_->setObjectName(QStringLiteral("dmeterw1"));
    range_seen_ = meter_->range_position();
    meter_->hide();

    for (int k = 0; k < 2; ++k) {
        picture_control* probe = new picture_control(around_.board, k);
        probe->setObjectName(QStringLiteral("表笔(%1)").arg(k));
        pictures_[k] = art::probe_picture(k == 0 ? art::probe_look::red : art::probe_look::black);
        probe->set_picture(pictures_[k]);
        const view_scale& scale = scale_of(probe);
        probe->setGeometry(twips_rect(scale, kProbeStarts[k].x, kProbeStarts[k].y, art::kMeterProbeWidth,
                                      art::kMeterProbeHeight));
        shape_probe(probe, pictures_[k]);
        probe->setCursor(Qt::PointingHandCursor);
        probe->hide();
        probes_[k] = probe;
        connect(probe, &picture_control::pressed, this,
                [this](int k, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) { probe_pressed(k, x, y); });
        connect(probe, &picture_control::moved, this,
                [this](int k, Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) { probe_moved(k, x, y); });
        connect(probe, &picture_control::released, this,
                [this](int k, Qt::MouseButton, Qt::KeyboardModifiers, double x, double y) {
                    probe_released(k, x, y);
                });
    }

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("万用表测试"));
    timer_->setSingleShot(true);
    timer_->setInterval(1);
    connect(timer_, &QTimer::timeout, this, [this] { measure(); });

    connect(around_.icon, &picture_control::pressed, this, [this] { open(); });
    connect(meter_, &dmeterx::dmeterw::MouseDown, this,
            [this](std::int16_t button, std::int16_t, float x, float y) { meter_pressed(button, x, y); });
    connect(meter_, &dmeterx::dmeterw::MouseMove, this,
            [this](std::int16_t, std::int16_t, float x, float y) { meter_moved(x, y); });
    connect(meter_, &dmeterx::dmeterw::MouseUp, this, [this] { meter_released(); });
}

void meter_on_bench::open() {
    around_.icon->hide();
    const QSize size(px(kFileScale, kWidth), px(kFileScale, kHeight));
    meter_->resize(size);
    // In reach of the board as dragging keeps it: between its left and right
    // edges, anywhere from just above its top to its bottom.
    const QRect board = around_.board->geometry();
    const QRect reach(QPoint(board.left(), board.top() - size.height()),
                      QPoint(board.right() + 1 - size.width(), board.bottom() + 1));
    const view_scale& scale = scale_of(around_.board);
    const QPoint preferred = board.topLeft() + QPoint(px(scale, kStartLeft - layout::kBoard.left),
                                                      px(scale, kStartTop - layout::kBoard.top));
    std::vector<QRect> probes;
    for (const picture_control* probe : probes_) probes.push_back(probe->geometry().translated(board.topLeft()));
    meter_->move(opening_place(around_, size, reach, preferred, probes));
    meter_->raise();
    meter_->show();
    for (picture_control* probe : probes_) {
        bring_out_from_under(around_, probe);
        probe->show();
    }
    draw_leads();
    around_.board->update();
}

void meter_on_bench::close() {
    timer_->stop();
    // Closing ends the drag the press on the close box began, whether or
    // not its release still reaches the hidden meter.
    dragging_ = false;
    inverted_ = false;
    meter_->hide();
    for (picture_control* probe : probes_) probe->hide();
    around_.icon->show();
    around_.redraw_board(kRedrawAll);
}

void meter_on_bench::measure() {
    timer_->stop();
    meter_->set_value_prop(around_.tools->measure(meter_->value_type()));
}

void meter_on_bench::board_redrawn(int mode) {
    if (mode != 3)
        for (board_lead& lead : leads_) lead.layer_cleared();
    draw_leads();
}

void meter_on_bench::hold_place() { held_ = place_of(around_.board, meter_, probes_); }

void meter_on_bench::rescale() {
    const view_scale& scale = scale_of(around_.board);
    for (std::size_t k = 0; k < probes_.size(); ++k) {
        const board_point at = probe_top_left(held_, k, probes_[k]);
        probes_[k]->setGeometry(twips_rect(scale, at.x, at.y, art::kMeterProbeWidth, art::kMeterProbeHeight));
        shape_probe(probes_[k], pictures_[k]);
    }
    if (held_) put_back(*held_, around_.board, meter_);
    held_.reset();
}

// ---- The meter itself ----

void meter_on_bench::meter_pressed(std::int16_t button, float x, float y) {
    // A press on the range knob turns it before it reaches here: measure
    // again, so that the needle shows the reading on the new range.
    if (meter_->range_position() != range_seen_) {
        range_seen_ = meter_->range_position();
        timer_->start();
    }
    if (dragging_) return;
    grab_ = {x, y};
    dragging_ = true;
    inverted_ = true;
    around_.kick->stop();
    for (picture_control* probe : probes_) probe->show();
    around_.redraw_board(kRedrawAll);
    meter_->raise();
    around_.board->update();
    if (button == dmeterx::dmeterw::kLeftButton && x > 0 && x < kCloseBoxWidth && y > 0 && y < kCloseBoxHeight)
        close();
}

void meter_on_bench::meter_moved(float x, float y) {
    if (!dragging_) return;
    // The meter reports its own twips, which keep their size at every zoom.
    meter_->move(meter_->pos() + QPoint(px(kFileScale, x - grab_.x), px(kFileScale, y - grab_.y)));
    draw_leads();
    around_.board->update();
    around_.window->update();
}

void meter_on_bench::keep_in_reach() {
    const QRectF board = twips_geometry(around_.board);
    const QRectF at = twips_geometry(meter_);
    double left = at.left();
    double top = at.top();
    if (left < board.left()) left = board.left();
    if (left + at.width() > board.right()) left = board.right() - at.width();
    if (top > board.bottom()) top = board.bottom();
    if (top + at.height() < board.top()) top = board.top() - at.height();
    move_to_twips(meter_, left, top);
}

void meter_on_bench::meter_released() {
    if (!dragging_) return;
    keep_in_reach();
    dragging_ = false;
    inverted_ = false;
    around_.redraw_board(kRedrawAll);
    around_.board->update();
}

// ---- Leads ----

void meter_on_bench::draw_lead(int k) {
    if (!shown(meter_)) return;
    const QRectF probe = twips_geometry(probes_[k]);
    const QRectF meter = twips_geometry(meter_);
    const QRectF board = twips_geometry(around_.board);
    const board_point probe_end{probe.right() - art::kProbeLeadInset, probe.top() + art::kMeterProbeLeadDown};
    const double inset = view_twips_of_instrument(meter_, kLeadInset);
    const double meter_x = k == kRedProbe ? meter.left() - board.left() + inset
                                          : meter.right() - board.left() - inset;
    const board_point meter_end{meter_x, meter.bottom() - board.top()};
    leads_[k].draw(*around_.board, probe_end, meter_end, inverted_, {k == kRedProbe ? kRedLead : kBlackLead});
}

void meter_on_bench::draw_leads() {
    draw_lead(kRedProbe);
    draw_lead(kBlackProbe);
}

// ---- The probes ----

void meter_on_bench::probe_pressed(int k, double x, double y) {
    if (in_hand_ >= 0) return;  // a second button while one probe is carried
    pick_up_probe(probes_[k]);
    probe_grab_ = {x, y};
    in_hand_ = k;
    around_.kick->stop();
    around_.tools->lift_probes();
    inverted_ = true;
    around_.redraw_board(kRedrawAll);
    timer_->stop();
    meter_->set_value_prop(0);
}

void meter_on_bench::probe_moved(int k, double x, double y) {
    if (in_hand_ != k || !inverted_) return;
    carry_probe(probes_[k], probe_grab_, x, y);
    draw_lead(k);
}

void meter_on_bench::probe_released(int k, double x, double y) {
    if (in_hand_ != k) return;
    in_hand_ = -1;
    inverted_ = false;
    picture_control* probe = probes_[k];
    const board_point at = keep_probe_on_board(probe, x, y);
    const hit h = hit_test(at.x, at.y);
    set_probe_down(*around_.board, probe, h.at, art::kMeterProbeTipX, art::kMeterProbeTipFromBottom);
    around_.redraw_board(kRedrawAll);
    show_probe(probe, pictures_[k]);
    around_.board->update();
    around_.tools->set_down_probe_at(instrument::meter, k, h.row, h.column);
    timer_->start();
}

}  // namespace bench
