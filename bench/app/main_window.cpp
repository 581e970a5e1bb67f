#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QMouseEvent>
#include <algorithm>

#include "art_style.h"
#include "chip_art.h"
#include "chip_descriptions.h"
#include "circuit_file.h"
#include "data_folder.h"
#include "form_layout.h"
#include "interface_language.h"
#include "part_art.h"
#include "rate_strip.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// Colours of the sticks line(0) to line(5).
const QColor kStickColours[6] = {QColor(255, 0, 128), QColor(10, 10, 10),  QColor(64, 0, 255),
                                 QColor(0, 128, 0),   QColor(60, 255, 60), QColor(128, 0, 128)};

}  // namespace

main_window::main_window(QWidget* parent)
    : QWidget(parent),
      model_(std::make_unique<bench_model>()),
      instruments_(std::make_unique<instruments>(*model_)),
      program_folder_(data_folder()) {
    prompts_ = std::make_unique<dialog_prompts>(this);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(art::chip_box_icon().to_pixmap(QSize(64, 58), 1)));
    create_frame();
    create_editing();
    create_controls();
    create_instruments();
    lab_ = new lab_tools(*this);
    connect_controls();
    connect_editing();
    install_hooks();
    take_start_size();
    view_changed();
    refresh_indicators();
}

main_window::~main_window() {
    tcal_->stop();
    tcont18_->stop();
    meter_->measuring_timer()->stop();
}

bool main_window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == bt_help_) show_help();
    return QWidget::eventFilter(watched, event);
}

void main_window::closeEvent(QCloseEvent* event) {
    if (!unsaved_work_may_go()) {
        event->ignore();
        return;
    }
    tcal_->stop();
    tcont18_->stop();
    meter_->measuring_timer()->stop();
    QWidget::closeEvent(event);
}

void main_window::create_controls() {
    board_ = new board_view(canvas_);

    bt_menu_ = new picture_control(board_);
    bt_menu_->setObjectName(QStringLiteral("BTmenu"));
    bt_menu_->set_picture(art::menu_icon());
    bt_menu_->setToolTip(tr("电路文件"));

    menu_ = new file_menu(board_, actions_.menu_actions());

    bt_help_ = new QLabel(tr("说明"), board_);
    bt_help_->setObjectName(QStringLiteral("BThelp"));
    bt_help_->setAlignment(Qt::AlignCenter);
    bt_help_->setStyleSheet(QStringLiteral("color: #183478;"));

    ic_button_ = new picture_control(board_);
    ic_button_->setObjectName(QStringLiteral("ICBUTTON"));
    ic_button_->set_picture(art::chip_box_icon());
    ic_button_->setToolTip(tr("器件盒"));

    for (int k = 0; k < 6; ++k) {
        picture_control* stick = new picture_control(board_, k);
        stick->setObjectName(QStringLiteral("line(%1)").arg(k));
        stick->set_picture(art::colour_stick_picture(kStickColours[k]));
        stick->setCursor(Qt::PointingHandCursor);
        sticks_[k] = stick;
    }

    for (int k = 0; k < 2; ++k) {
        kk_[k] = art::switch_picture(k == 1);
        ll_[k] = art::lamp_picture(k == 1);
        powerpic_[k] = art::power_switch_picture(k == 1);
        ledpic_[k] = art::power_lamp_picture(k == 1);
    }
    on_off_ = new picture_control(board_);
    on_off_->setObjectName(QStringLiteral("on_off"));
    on_off_->set_picture(powerpic_[0]);
    power_led_ = new picture_control(board_);
    power_led_->setObjectName(QStringLiteral("PowerLed"));
    power_led_->set_picture(ledpic_[0]);

    for (int k = 0; k < 16; ++k) {
        picture_control* lamp = new picture_control(board_, k);
        lamp->setObjectName(QStringLiteral("Lamp(%1)").arg(k));
        lamp->set_picture(ll_[0]);
        lamps_[k] = lamp;
        picture_control* sw = new picture_control(board_, k);
        sw->setObjectName(QStringLiteral("K1(%1)").arg(k));
        sw->set_picture(kk_[0]);
        sw->setCursor(Qt::PointingHandCursor);
        k1_[k] = sw;
        picture_control* led = new picture_control(board_, k);
        led->setObjectName(QStringLiteral("Led(%1)").arg(k));
        led->set_picture(art::led_picture(k >= 8));
        led->hide();
        leds_[k] = led;
    }

    for (int k = 0; k < 2; ++k) {
        picture_control* button = new picture_control(board_, k);
        button->setObjectName(QStringLiteral("脉冲按钮(%1)").arg(k));
        button->set_picture(art::pulse_button_picture(k == 0));
        button->setCursor(Qt::PointingHandCursor);
        pulse_[k] = button;
    }

    smg_ = new picture_control(board_);
    smg_->setObjectName(QStringLiteral("smg"));
    smg_->set_picture(art::module_icon());
    smg_->hide();

    label2_ = new QLabel(tr("频率:"), board_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    speed_ = new QLineEdit(QStringLiteral("20"), board_);
    speed_->setObjectName(QStringLiteral("speed"));
    speed_->setAlignment(Qt::AlignCenter);
    speed_->setFrame(false);
    speed_->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #7a7a7a; background: white; padding: 0; }"));
    frequency_ = new QLabel(board_);
    frequency_->setObjectName(QStringLiteral("frequency"));
    frequency_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    feq_ = new QScrollBar(Qt::Horizontal, board_);
    feq_->setObjectName(QStringLiteral("FEQ"));
    feq_->setRange(1, 100);
    feq_->setSingleStep(5);
    feq_->setPageStep(10);
    feq_->setValue(100);
    frequency_->setText(clock_frequency_text(model_->clock_interval_ms()));

    cir_name_ = new QLabel(model_->circuit_caption(), board_);
    cir_name_->setObjectName(QStringLiteral("CirName"));

    meter_icon_ = new picture_control(board_);
    meter_icon_->setObjectName(QStringLiteral("xiaowanyongbiao"));
    meter_icon_->set_picture(art::meter_icon());
    meter_icon_->setToolTip(tr("万用表"));
    scope_icon_ = new picture_control(board_);
    scope_icon_->setObjectName(QStringLiteral("xiaoshiboqi"));
    scope_icon_->set_picture(art::scope_icon());
    scope_icon_->setToolTip(tr("示波器"));

    tcal_ = new QTimer(this);
    tcal_->setObjectName(QStringLiteral("Tcal"));
    tcal_->setInterval(1);
    tcont18_ = new QTimer(this);
    tcont18_->setObjectName(QStringLiteral("Tcont18"));
    tcont18_->setTimerType(Qt::PreciseTimer);
    tcont18_->setInterval(1);

    tcal_->setSingleShot(true);
    speed_->setReadOnly(true);
    bt_menu_->setCursor(Qt::PointingHandCursor);
    bt_help_->setCursor(Qt::PointingHandCursor);
    board_->setMouseTracking(true);

    module_picture_ = art::module_picture();
    chip_pictures_.push_back(nullptr);

    icselect_ = new chip_box(canvas_, board_, program_folder_);
    pointer_ = new pointer_watch(board_, *model_, status_, [this](const QWidget* w) {
        // The model may hold chips whose pictures are not made yet.
        const int pictures = std::min(model_->chip_count(), static_cast<int>(chip_pictures_.size()) - 1);
        for (int k = 1; k <= pictures; ++k)
            if (chip_pictures_[k] == w) return k;
        return 0;
    }, this);
    displays_ = std::make_unique<indicator_painter>(*model_, *board_);
    frame_ = new frame_painter([this] { paint_frame(); }, this);
}

void main_window::create_instruments() {
    instrument_surroundings around;
    around.window = canvas_;
    around.board = board_;
    around.kick = tcal_;
    around.clock = tcont18_;
    around.speed = speed_;
    around.tools = instruments_.get();
    around.redraw_board = [this](int mode) { redraw_board(mode); };
    around.open_instruments = [this] {
        std::vector<QRect> open;
        for (QWidget* instrument : {static_cast<QWidget*>(meter_ ? meter_->meter() : nullptr),
                                    static_cast<QWidget*>(scope_ ? scope_->scope() : nullptr)})
            if (instrument != nullptr && shown(instrument)) open.push_back(instrument->geometry());
        return open;
    };
    around.probes_shown = [this] {
        std::vector<QRect> probes;
        for (int k = 0; k < 2; ++k)
            for (picture_control* probe : {meter_ ? meter_->probe(k) : nullptr, scope_ ? scope_->probe(k) : nullptr})
                if (probe != nullptr && shown(probe)) probes.push_back(probe->geometry().translated(board_->pos()));
        return probes;
    };
    around.icon = meter_icon_;
    meter_ = new meter_on_bench(around, this);
    around.icon = scope_icon_;
    scope_ = new scope_on_bench(around, meter_->meter(), meter_->measuring_timer(), this);
}

void main_window::connect_controls() {
    connect(bt_menu_, &picture_control::pressed, this, [this] { show_menu(); });
    bt_help_->installEventFilter(this);
    connect(board_, &board_view::pressed, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, double x, double y) { on_board_press(b, x, y); });
    connect(board_, &board_view::moved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) { on_board_move(x, y); });
    connect(board_, &board_view::chip_dropped, this, [this](int row, double x, double y) {
        placement p;
        history_->record(tr("放置芯片"), [&] { p = model_->take_chip(row, x, y); });
        after_change();
        report_placement(p, false);
    });
    for (picture_control* stick : sticks_)
        connect(stick, &picture_control::pressed, this, [this](int k) {
            hide_menu();
            model_->click_colour_stick(k);
            board_->setCursor(model_->wire_in_hand() >= 0 ? art::wiring_pointer() : QCursor());
        });
    connect(on_off_, &picture_control::pressed, this, [this] {
        model_->press_power();
        after_change();
    });
    for (picture_control* sw : k1_)
        connect(sw, &picture_control::pressed, this, [this](int k) {
            model_->press_switch(k);
            after_change();
        });
    for (picture_control* button : pulse_) {
        connect(button, &picture_control::pressed, this, [this](int k) {
            model_->press_pulse(k);
            after_change();
        });
        connect(button, &picture_control::released, this, [this](int k) {
            model_->release_pulse(k);
            after_change();
        });
    }
    connect(smg_, &picture_control::pressed, this, [this] {
        smg_->hide();
        redraw_board(kRedrawAll);
    });
    connect(feq_, &QScrollBar::valueChanged, this, [this](int value) {
        model_->set_rate(value);
        speed_->setText(model_->speed_text());
        frequency_->setText(clock_frequency_text(model_->clock_interval_ms()));
    });
    connect(tcal_, &QTimer::timeout, this, [this] {
        model_->kick_tick();
        scope_->after_kick();
        after_change();
    });
    // A tick only asks for a frame: at the fastest rate ticks come far more
    // often than frames.
    connect(tcont18_, &QTimer::timeout, this, [this] { model_->clock_tick(); });
    connect(ic_button_, &picture_control::pressed, this, [this] {
        hide_menu();
        icselect_->open();
    });
    connect(icselect_, &chip_box::name_clicked, this, [this](int row) {
        placement p;
        history_->record(tr("放置芯片"), [&] { p = model_->place_chip_by_name(row); });
        after_change();
        report_placement(p, false);
    });
}

QString main_window::dialog_folder() const {
    if (!model_->circuit_folder().isEmpty()) return model_->circuit_folder();
    return program_folder_ + QStringLiteral("circuit/");
}

bool main_window::save_as_command() {
    hide_menu();
    const std::optional<QString> name = prompts_->save_file_name(dialog_folder());
    if (!name) return false;
    if (QFile::exists(*name) &&
        !prompts_->ask_overwrite(overwrite_question(*name)))
        return false;
    return write_circuit(*name);
}

void main_window::load_command() {
    hide_menu();
    if (!unsaved_work_may_go()) return;
    const std::optional<QString> name = prompts_->open_file_name(dialog_folder());
    if (!name) return;
    const file_result result =
        history_->record_load(tr("调用电路"), [&] { return model_->load(*name); });
    if (result.ok) history_->mark_saved();
    else prompts_->warn(result.message);
    cir_name_->setText(model_->circuit_caption());
    update_title();
    after_change();
    if (result.ok) lab_->circuit_loaded(*name);
}

void main_window::clear_command() {
    hide_menu();
    if (!unsaved_work_may_go()) return;
    history_->record(tr("清空"), [this] { model_->clear(); });
    after_change();
}

void main_window::show_help() {
    hide_menu();
    if (help_ == nullptr)
        help_ = new help_window(this, art::menu_icon().to_pixmap(QSize(px(kFileScale, 465), px(kFileScale, 465)),
                                                                 devicePixelRatioF()));
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void main_window::show_pinout(int k) {
    if (k < 1 || k > model_->chip_count()) return;
    const chip& c = model_->chip_at(k);
    const QString model = QString::fromStdString(c.model).trimmed();
    if (pinout_ == nullptr) pinout_ = new pinout_window(this);
    pinout_->show_diagram(model + QStringLiteral("_") + shown_description(c.description),
                          pinout_picture(program_folder_, model.toUpper()));
}

void main_window::show_module_pinout() {
    if (pinout_ == nullptr) pinout_ = new pinout_window(this);
    pinout_->show_diagram(tr("数码管模块"), pinout_picture(program_folder_, QStringLiteral("smgmk")));
}

void main_window::install_hooks() {
    bench_hooks hooks;
    hooks.redraw_board = [this](int mode) { redraw_board(mode); };
    hooks.enable_kick = [this] { tcal_->start(1); };
    hooks.enable_clock = [this] {
        if (!tcont18_->isActive()) tcont18_->start();
    };
    hooks.set_clock_interval = [this](int ms) { tcont18_->setInterval(ms); };
    hooks.enable_meter = [this] { meter_->start_measuring(); };
    hooks.displays_updated = [this] { frame_->changed(); };
    hooks.outline_size = [this](const std::string& model) -> std::optional<picture_size> {
        const QPixmap& pm = outline_of(model);
        if (pm.isNull()) return std::nullopt;
        // Outline files are drawn at the files' own scale, whatever the zoom.
        return picture_size{kFileScale.to_twips(pm.width() / pm.devicePixelRatio()),
                            kFileScale.to_twips(pm.height() / pm.devicePixelRatio())};
    };
    model_->set_hooks(std::move(hooks));
}

art::drawing main_window::picture_of_chip(const chip& c) {
    const QString model = QString::fromStdString(c.model).trimmed().toUpper();
    const QString key = QStringLiteral("%1 %2x%3").arg(model).arg(c.picture.width).arg(c.picture.height);
    auto it = chip_drawings_.find(key);
    if (it == chip_drawings_.end()) {
        // A model the catalogue does not know keeps the template picture.
        art::drawing d = outline_of(c.model).isNull() ? art::drawing{}
                                                      : art::chip_outline(model, c.picture.width, c.picture.height);
        if (d.empty()) d = art::template_chip_picture(c.picture.width, c.picture.height, model);
        it = chip_drawings_.insert(key, d);
    }
    return *it;
}

const QPixmap& main_window::outline_of(const std::string& model) {
    const QString key = QString::fromStdString(model).trimmed().toUpper();
    auto it = outlines_.find(key);
    if (it == outlines_.end()) {
        QPixmap pm;
        const QString file = program_folder_ + QStringLiteral("ICshape/") + key + QStringLiteral(".gif");
        if (QFile::exists(file)) pm.load(file);
        it = outlines_.insert(key, pm);
    }
    return *it;
}

picture_control* main_window::chip_picture(int k) const {
    if (k < 1 || k >= static_cast<int>(chip_pictures_.size())) return nullptr;
    return chip_pictures_[k];
}

void main_window::sync_chip_pictures() {
    const int count = model_->chip_count();
    while (static_cast<int>(chip_pictures_.size()) <= count) {
        const int k = static_cast<int>(chip_pictures_.size());
        picture_control* pic = new picture_control(board_, k);
        pic->setObjectName(QStringLiteral("ICimage(%1)").arg(k));
        pic->setCursor(Qt::SizeAllCursor);
        connect(pic, &picture_control::pressed, this,
                [this](int k, Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y) {
                    if (k > model_->chip_count()) return;
                    hide_menu();
                    if (button == Qt::RightButton) {
                        show_pinout(k);
                        return;
                    }
                    model_->press_chip(k, x, y);
                    history_->begin();
                    chip_pictures_[k]->raise();
                });
        connect(pic, &picture_control::moved, this,
                [this](int k, Qt::MouseButtons buttons, Qt::KeyboardModifiers, double x, double y) {
                    if (k > model_->chip_count() || !(buttons & (Qt::LeftButton | Qt::MiddleButton))) return;
                    if (model_->move_chip(k, x, y)) sync_chip_pictures();
                });
        connect(pic, &picture_control::released, this,
                [this](int k, Qt::MouseButton button) {
                    if (k > model_->chip_count() || button == Qt::RightButton) return;
                    placement p;
                    history_->finish(tr("移动芯片"), [&] { p = model_->release_chip(k); });
                    after_change();
                    report_placement(p, true);
                });
        connect(pic, &picture_control::double_clicked, this, [this](int k, Qt::MouseButton button) {
            if (k > model_->chip_count() || button != Qt::LeftButton) return;
            history_->record(tr("删除芯片"), [&] { model_->delete_chip(k); });
            after_change();
        });
        chip_pictures_.push_back(pic);
    }
    for (int k = 1; k < static_cast<int>(chip_pictures_.size()); ++k) {
        picture_control* pic = chip_pictures_[k];
        if (k > count) {
            pic->hide();
            continue;
        }
        const chip& c = model_->chip_at(k);
        pic->setGeometry(twips_rect(scale(), c.picture.left, c.picture.top, c.picture.width, c.picture.height));
        pic->set_picture(picture_of_chip(c));
        if (!pic->isVisible()) {
            pic->show();
            pic->raise();
        }
    }
}

void main_window::after_change() {
    sync_chip_pictures();
    frame_->now();
}

void main_window::draw_displays() { displays_->draw(); }

void main_window::paint_frame() {
    draw_displays();
    refresh_indicators();
    pointer_->refresh();
}

void main_window::refresh_indicators() {
    on_off_->set_picture(powerpic_[model_->power_on() ? 1 : 0]);
    power_led_->set_picture(ledpic_[model_->power_on() ? 1 : 0]);
    for (int k = 0; k < 16; ++k) {
        k1_[k]->set_picture(kk_[model_->switch_state(k) == 1 ? 1 : 0]);
        lamps_[k]->set_picture(ll_[model_->lamp_lit(k) ? 1 : 0]);
        leds_[k]->setVisible(model_->led_shown(k));
    }
}

void main_window::redraw_board(int mode) {
    if (mode == 1) return;
    if (mode != 3) {
        board_->clear_layer();
        if (model_->display_module_on_board())
            board_->draw_picture(module_picture_, QPointF(layout::kModuleLeft, layout::kModuleTop));
    }
    for (int w = 1; w <= model_->wire_count(); ++w) {
        const wire& line = model_->wire_at(w);
        if (line.points.empty()) continue;
        const QColor colour(red_of(line.colour), green_of(line.colour), blue_of(line.colour));
        auto at = [&](std::size_t k) { return QPointF(line.points[k].x, line.points[k].y); };
        for (std::size_t k = 1; k < line.points.size(); ++k)
            board_->draw_line(at(k - 1), at(k), QColor(180, 180, 180), 3);
        for (std::size_t k = 1; k < line.points.size(); ++k) board_->draw_line(at(k - 1), at(k), colour, 2);
        board_->draw_dot(at(0), QColor(240, 100, 150), 2);
        board_->draw_dot(at(line.points.size() - 1), QColor(240, 100, 150), 2);
    }
    if (meter_ != nullptr) meter_->board_redrawn(mode);
    if (scope_ != nullptr) scope_->board_redrawn(mode);
}

void main_window::on_board_press(Qt::MouseButton button, double x, double y) {
    if (button == Qt::RightButton && x > 8955 && x < 10440 && y > 2205 && y < 3615) {
        hide_menu();
        show_module_pinout();
        return;
    }
    const QRectF power = twips_of(scale(), on_off_->geometry());
    if (button == Qt::LeftButton && power.contains(x, y)) model_->press_power();
    hide_menu();
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    history_->begin();
    const board_press_result r =
        model_->press_board(button == Qt::LeftButton ? mouse_button::left : mouse_button::right, x, y);
    history_->finish(r.outcome == press_outcome::wire_removed ? tr("拆除连线") : tr("连线"),
                     [] {});
    if (r.outcome == press_outcome::point_added || r.outcome == press_outcome::wire_finished) {
        const rgb_colour c = model_->wire_colour();
        const QColor colour(red_of(c), green_of(c), blue_of(c));
        // A finished wire is drawn by the redraw that finishing it asked for.
        if (r.outcome == press_outcome::point_added) {
            if (r.dot) board_->draw_dot(QPointF(r.to.x, r.to.y), QColor(230, 0, 0), 2);
            board_->draw_line(QPointF(r.from.x, r.from.y), QPointF(r.to.x, r.to.y), colour, r.dot ? 2 : 1);
        }
    }
    board_->setCursor(model_->wire_in_hand() >= 0 ? art::wiring_pointer() : QCursor());
    after_change();
}

void main_window::on_board_move(double x, double y) {
    const rubber_band band = model_->move_on_board(x, y);
    if (!band.erase && !band.draw) return;
    const rgb_colour c = model_->wire_colour() ^ rgb(250, 250, 250);
    const QColor pen(red_of(c), green_of(c), blue_of(c));
    if (band.erase) board_->xor_line(QPointF(band.erase->from.x, band.erase->from.y),
                                     QPointF(band.erase->to.x, band.erase->to.y), pen);
    if (band.draw) board_->xor_line(QPointF(band.draw->from.x, band.draw->from.y),
                                    QPointF(band.draw->to.x, band.draw->to.y), pen);
}

void main_window::hide_menu() { menu_->hide(); }

void main_window::show_menu() {
    menu_->move(bt_menu_->x() + bt_menu_->width(), bt_menu_->y() + px(scale(), 100));
    menu_->show();
    menu_->raise();
}

}  // namespace bench
