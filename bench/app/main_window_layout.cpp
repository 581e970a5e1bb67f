// The main window's frame and the places of its controls at the view's scale:
// the zooming area over the status line, the start size, and what follows a
// change of zoom, window size or screen.
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "art_style.h"
#include "form_layout.h"
#include "main_window.h"
#include "part_art.h"
#include "rate_strip.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// Room left for the window's frame when it starts: its title bar and edges.
constexpr int kFrameAllowance = 48;

}  // namespace

void main_window::create_frame() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The board scrolls rather than hold the window at any least size.
    column->setSizeConstraint(QLayout::SetNoConstraint);
    side_by_side_ = new QSplitter(Qt::Horizontal, this);
    side_by_side_->setObjectName(QStringLiteral("side_by_side"));
    side_by_side_->setChildrenCollapsible(false);
    canvas_ = new board_canvas;
    zoom_ = new board_zoom(canvas_, this);
    side_by_side_->addWidget(zoom_);
    column->addWidget(side_by_side_, 1);
    status_ = new status_line(this);
    column->addWidget(status_);
    connect(zoom_, &board_zoom::view_changing, this, [this] {
        if (meter_ != nullptr) meter_->hold_place();
        if (scope_ != nullptr) scope_->hold_place();
    });
    connect(zoom_, &board_zoom::view_changed, this, [this] { view_changed(); });
}

void main_window::take_start_size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QSize room(available.width(), available.height() - kFrameAllowance);
    // Never smaller than the window of old, 11700 x 8190 twips at 15 twips a
    // pixel, unless the screen is.
    const QSize of_old(px(kFileScale, layout::kOldFormWidth), px(kFileScale, layout::kOldFormHeight));
    const QSize size =
        board_zoom::start_size(room, status_->sizeHint().height()).expandedTo(of_old).boundedTo(room);
    resize(size);
    move(available.left() + (available.width() - size.width()) / 2, available.top());
}

void main_window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // On a screen of another pixel ratio than the one drawn for, draw again,
    // now and whenever the window moves to another screen.
    if (devicePixelRatioF() != drawn_ratio_) view_changed();
    if (!watching_screen_ && windowHandle() != nullptr) {
        watching_screen_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] {
            if (devicePixelRatioF() != drawn_ratio_) view_changed();
        });
    }
}

void main_window::place_controls() {
    const view_scale& s = scale();
    const auto on_board = [&s](const layout::box& b) { return twips_rect(s, b.left, b.top, b.width, b.height); };
    board_->setGeometry(canvas_->place(layout::kBoard));
    bt_menu_->setGeometry(on_board(layout::kMenuButton));
    menu_->rescale();
    if (!menu_->isHidden()) show_menu();
    bt_help_->setGeometry(on_board(layout::kHelpLabel));
    bt_help_->setFont(art::control_font(s, 240, true));
    ic_button_->setGeometry(on_board(layout::kChipBoxButton));
    for (int k = 0; k < 6; ++k)
        sticks_[k]->setGeometry(twips_rect(s, layout::kStickLefts[k], layout::kStickTop, layout::kStickWidth,
                                           layout::kStickHeight));
    on_off_->setGeometry(on_board(layout::kPowerSwitch));
    power_led_->setGeometry(on_board(layout::kPowerLamp));
    for (int k = 0; k < 16; ++k) {
        const double left = layout::kSwitchLeft + layout::kSwitchStep * k;
        lamps_[k]->setGeometry(twips_rect(s, left, layout::kLampTop, art::kLampWidth, art::kLampHeight));
        k1_[k]->setGeometry(twips_rect(s, left, layout::kSwitchTop, art::kSwitchWidth, art::kSwitchHeight));
        leds_[k]->setGeometry(twips_rect(s, layout::kLedLeft + layout::kLedStep * k, layout::kLedTop,
                                         art::kLedWidth, art::kLedHeight));
    }
    for (int k = 0; k < 2; ++k) pulse_[k]->setGeometry(on_board(layout::kPulseButtons[k]));
    smg_->setGeometry(on_board(layout::kModuleIcon));
    rate_strip{label2_, speed_, frequency_, feq_}.lay_out(on_board(layout::kRateStrip), art::control_font(s, 170));
    cir_name_->setGeometry(on_board(layout::kCircuitName));
    cir_name_->setFont(art::control_font(s, 170));
    meter_icon_->setGeometry(on_board(layout::kMeterIcon));
    scope_icon_->setGeometry(on_board(layout::kScopeIcon));
}

void main_window::view_changed() {
    drawn_ratio_ = devicePixelRatioF();
    place_controls();
    board_->rescale();
    sync_chip_pictures();
    icselect_->rescale();
    meter_->rescale();
    scope_->rescale();
    redraw_board(kRedrawAll);
    draw_displays();
    redraw_wire_in_hand();
    pointer_->rescaled();
}

void main_window::redraw_wire_in_hand() {
    const std::vector<board_point>& points = model_->points_in_hand();
    if (model_->wire_in_hand() <= 0 || points.empty()) return;
    const rgb_colour c = model_->wire_colour();
    const QColor colour(red_of(c), green_of(c), blue_of(c));
    // The first point is a left press (a dot, and a 2-wide line onto itself);
    // the others are bends, drawn 1 wide.
    board_->draw_dot(QPointF(points[0].x, points[0].y), QColor(230, 0, 0), 2);
    board_->draw_line(QPointF(points[0].x, points[0].y), QPointF(points[0].x, points[0].y), colour, 2);
    for (std::size_t k = 1; k < points.size(); ++k)
        board_->draw_line(QPointF(points[k - 1].x, points[k - 1].y), QPointF(points[k].x, points[k].y), colour, 1);
    if (const std::optional<band_line> band = model_->band_on_board()) {
        const rgb_colour pen = c ^ rgb(250, 250, 250);
        board_->xor_line(QPointF(band->from.x, band->from.y), QPointF(band->to.x, band->to.y),
                         QColor(red_of(pen), green_of(pen), blue_of(pen)));
    }
}

}  // namespace bench
