#include "scope_on_bench.h"

#include "form_layout.h"
#include "instrument_placement.h"
#include "probe_art.h"
#include "probe_handling.h"

namespace bench {

namespace {

// Where the oscilloscope would open among equal places, over the upper right
// of the board (form twips), and where its signal probe lies before its first
// drop (board twips).
constexpr double kStartLeft = 4700, kStartTop = 700;
constexpr board_point kProbeStart{3500, 4500};

// The close box at the oscilloscope's top left corner.
constexpr double kCloseBoxWidth = 500, kCloseBoxHeight = 300;
// Released, it keeps at least this much of itself over the board.
constexpr double kInReach = 100;
// The jacks, oscilloscope twips. The second lead stays plugged into its
// own jack, so it has no length.
constexpr board_point kRedJack{360, 1980};
constexpr board_point kBlackJack{380, 3860};

// Black while carried; at rest a dark sheath, a grey body and a highlight,
// as the oscilloscope draws its own part of the lead.
const lead_pen kLeadPens[] = {{QColor(0, 0, 0), 4},
                              {QColor(32, 32, 32), 4},
                              {QColor(153, 153, 153), 2},
                              {QColor(255, 255, 255), 1}};

}  // namespace

scope_on_bench::scope_on_bench(const instrument_surroundings& around, dmeterx::dmeterw* meter,
                               QTimer* measuring, QObject* parent)
    : QObject(parent), around_(around), meter_(meter), measuring_(measuring) {
    scope_ = new dscopex::Dscopew(around_.window);
    scope_->setObjectName(QStringLiteral("Dscopew1"));
    scope_->hide();

    picture_ = art::probe_picture(art::probe_look::scope);
    for (int k = 0; k < 2; ++k) {
        picture_control* probe = new picture_control(around_.board, k);
        probe->setObjectName(QStringLiteral("示波器笔(%1)").arg(k));
        probe->set_picture(picture_);
        probe->setGeometry(twips_rect(scale_of(probe), kProbeStart.x, kProbeStart.y, art::kScopeProbeWidth,
                                      art::kScopeProbeHeight));
        shape_probe(probe, picture_);
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

    connect(around_.icon, &picture_control::pressed, this, [this] { open(); });
    connect(scope_, &dscopex::Dscopew::MouseDown, this,
            [this](short, short, float x, float y) { scope_pressed(x, y); });
    connect(scope_, &dscopex::Dscopew::MouseMove, this,
            [this](short button, short, float x, float y) { scope_moved(button, x, y); });
    connect(scope_, &dscopex::Dscopew::MouseUp, this, [this] { scope_released(); });
}

void scope_on_bench::open() {
    const QSize size(px(kFileScale, kWidth), px(kFileScale, kHeight));
    scope_->resize(size);
    if (shown(scope_)) {
        close();
    } else {
        // In reach of the board as dragging keeps it.
        const QRect board = around_.board->geometry();
        const int in_reach = px(scale_of(around_.board), kInReach);
        const QRect reach(QPoint(board.left(), board.top() - size.height() + in_reach),
                          QPoint(board.right() + 1 - in_reach, board.bottom() + 1));
        const view_scale& scale = scale_of(around_.board);
        const QPoint preferred = board.topLeft() + QPoint(px(scale, kStartLeft - layout::kBoard.left),
                                                          px(scale, kStartTop - layout::kBoard.top));
        const std::vector<QRect> probe{probes_[kRedProbe]->geometry().translated(board.topLeft())};
        scope_->move(opening_place(around_, size, reach, preferred, probe));
        around_.icon->hide();
        around_.kick->start();
        scope_->raise();
        scope_->show();
        bring_out_from_under(around_, probes_[kRedProbe]);
        probes_[kRedProbe]->show();
        around_.redraw_board(kRedrawAll);
    }
    scope_->B_re_bgd_xy(static_cast<float>(kBlackJack.x), static_cast<float>(kBlackJack.y));
    around_.board->update();
}

void scope_on_bench::close() {
    around_.icon->show();
    around_.kick->stop();
    // Closing ends a drag whose release may never reach the hidden control.
    dragging_ = false;
    inverted_ = false;
    scope_->hide();
    for (picture_control* probe : probes_) probe->hide();
    around_.redraw_board(kRedrawAll);
}

void scope_on_bench::after_kick() {
    if (!shown(scope_)) return;
    const capture_result run = around_.tools->capture_run(around_.speed->text());
    if (run.mean) meter_->set_value_prop(*run.mean);
    const scope_traces& t = around_.tools->traces();
    scope_->data_trans(t.channel1, t.channel2, t.time_steps);
}

void scope_on_bench::board_redrawn(int mode) {
    if (mode != 3) lead_.layer_cleared();
    draw_lead();
}

void scope_on_bench::hold_place() { held_place_ = place_of(around_.board, scope_, probes_); }

void scope_on_bench::rescale() {
    const view_scale& scale = scale_of(around_.board);
    for (std::size_t k = 0; k < probes_.size(); ++k) {
        const board_point at = probe_top_left(held_place_, k, probes_[k]);
        probes_[k]->setGeometry(twips_rect(scale, at.x, at.y, art::kScopeProbeWidth, art::kScopeProbeHeight));
        shape_probe(probes_[k], picture_);
    }
    if (held_place_) put_back(*held_place_, around_.board, scope_);
    held_place_.reset();
}

// ---- The oscilloscope itself ----

void scope_on_bench::stop_timers() {
    measuring_->stop();
    around_.clock->stop();
    around_.kick->stop();
}

void scope_on_bench::scope_pressed(float x, float y) {
    if (x < kCloseBoxWidth && y < kCloseBoxHeight) {
        close();
        return;
    }
    grab_ = {x, y};
    dragging_ = true;
    inverted_ = true;
    around_.redraw_board(kRedrawAll);
    if (!held_) held_ = timer_states{measuring_->isActive(), around_.clock->isActive(), around_.kick->isActive()};
    stop_timers();
    scope_->raise();
    around_.board->update();
}

void scope_on_bench::scope_moved(short button, float x, float y) {
    if (!dragging_) return;
    stop_timers();
    // The oscilloscope reports its own twips, which keep their size at every zoom.
    scope_->move(scope_->pos() + QPoint(px(kFileScale, x - grab_.x), px(kFileScale, y - grab_.y)));
    draw_lead();
    around_.board->update();
    around_.window->update();
    if (button == 0) dragging_ = false;  // the release went elsewhere
}

void scope_on_bench::keep_in_reach() {
    const QRectF board = twips_geometry(around_.board);
    const QRectF at = twips_geometry(scope_);
    double left = at.left();
    double top = at.top();
    if (left < board.left())
        left = board.left();
    else if (left > board.right() - kInReach)
        left = board.right() - kInReach;
    if (top > board.bottom())
        top = board.bottom();
    else if (top < board.top() - at.height() - kInReach)
        top = board.top() - at.height() + kInReach;
    move_to_twips(scope_, left, top);
}

void scope_on_bench::scope_released() {
    dragging_ = false;
    keep_in_reach();
    around_.redraw_board(kRedrawAll);
    inverted_ = false;
    draw_lead();
    around_.board->update();
    around_.window->update();
    // Only a drag held the timers; a release after a knob press leaves them be.
    if (!held_) return;
    const timer_states before = *held_;
    held_.reset();
    if (before.measuring) measuring_->start();
    if (before.clock) around_.clock->start();
    if (before.kick) around_.kick->start();
}

// ---- The signal lead ----

void scope_on_bench::draw_lead() {
    if (!shown(scope_)) return;
    const QRectF probe = twips_geometry(probes_[kRedProbe]);
    const QRectF scope = twips_geometry(scope_);
    const QRectF board = twips_geometry(around_.board);
    const board_point probe_end{probe.right() - art::kProbeLeadInset, probe.top() + art::kScopeProbeLeadDown};
    const board_point jack{scope.left() - board.left() + view_twips_of_instrument(scope_, kRedJack.x),
                           scope.top() - board.top() + view_twips_of_instrument(scope_, kRedJack.y)};
    if (inverted_)
        lead_.draw(*around_.board, probe_end, jack, true, {kLeadPens[0]});
    else
        lead_.draw(*around_.board, probe_end, jack, false, {kLeadPens[0], kLeadPens[1], kLeadPens[2], kLeadPens[3]});
    // The control is told where the lead ends in its own twips.
    scope_->R_re_bgd_xy(static_cast<float>(instrument_twips_of_view(scope_, probe_end.x + board.left() - scope.left())),
                        static_cast<float>(instrument_twips_of_view(scope_, probe_end.y + board.top() - scope.top())));
}

// ---- The signal probe ----

void scope_on_bench::probe_pressed(int k, double x, double y) {
    if (k != kRedProbe || in_hand_) return;  // the second probe stays in its jack
    pick_up_probe(probes_[k]);
    probe_grab_ = {x, y};
    in_hand_ = true;
    around_.kick->stop();
    around_.tools->lift_probes();
    inverted_ = true;
    around_.redraw_board(kRedrawAll);
}

void scope_on_bench::probe_moved(int k, double x, double y) {
    if (k != kRedProbe || !in_hand_) return;
    carry_probe(probes_[k], probe_grab_, x, y);
    draw_lead();
}

void scope_on_bench::probe_released(int k, double x, double y) {
    if (k != kRedProbe || !in_hand_) return;
    in_hand_ = false;
    picture_control* probe = probes_[k];
    // Like the meter's probes, it stays on the board wherever it is let go.
    const board_point at = keep_probe_on_board(probe, x, y);
    const hit h = hit_test(at.x, at.y);
    set_probe_down(*around_.board, probe, h.at, art::kScopeProbeTipX, art::kScopeProbeTipFromBottom);
    inverted_ = false;
    around_.redraw_board(kRedrawAll);
    show_probe(probe, picture_);
    around_.board->update();
    around_.tools->set_down_probe_at(instrument::scope, kRedProbe, h.row, h.column);
    around_.kick->start();
}

}  // namespace bench
