#include "main_window.h"

#include <QCursor>
#include <QMouseEvent>

#include "art_style.h"
#include "form_layout.h"
#include "part_art.h"
#include "twips_geometry.h"

namespace bench {

namespace {

QRect place(const layout::box& b) { return twips_rect(b.left, b.top, b.width, b.height); }

// Colours of the sticks line(0) to line(5).
const QColor kStickColours[6] = {QColor(255, 0, 128), QColor(10, 10, 10),  QColor(64, 0, 255),
                                 QColor(0, 128, 0),   QColor(60, 255, 60), QColor(128, 0, 128)};

}  // namespace

main_window::main_window(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("数字电路虚拟实验台"));
    setFixedSize(px(layout::kFormWidth), px(layout::kFormHeight));
    create_controls();
}

main_window::~main_window() {
    tcal_->stop();
    tcont18_->stop();
}

void main_window::create_controls() {
    const qreal dpr = 2;
    board_ = new board_view(this);
    board_->setGeometry(place(layout::kBoard));

    bt_menu_ = new picture_control(board_);
    bt_menu_->setObjectName(QStringLiteral("BTmenu"));
    bt_menu_->setGeometry(place(layout::kMenuButton));
    bt_menu_->set_picture(art::menu_icon(dpr));
    bt_menu_->setToolTip(QStringLiteral("电路文件"));

    menu_ = new QFrame(board_);
    menu_->setObjectName(QStringLiteral("menu"));
    menu_->setGeometry(place(layout::kMenu));
    menu_->setFrameShape(QFrame::Panel);
    menu_->setFrameShadow(QFrame::Raised);
    menu_->setAutoFillBackground(true);
    const char* kMenuNames[3] = {"m1", "m2", "m3"};
    const QString kMenuTexts[3] = {QStringLiteral("保存电路"), QStringLiteral("调用电路"),
                                   QStringLiteral("清 空")};
    for (int k = 0; k < 3; ++k) {
        QLabel* item = new QLabel(kMenuTexts[k], menu_);
        item->setObjectName(QString::fromLatin1(kMenuNames[k]));
        item->setGeometry(twips_rect(layout::kMenuItemLeft, layout::kMenuItemTops[k],
                                     layout::kMenuItemWidth, layout::kMenuItemHeight));
        item->setFont(art::label_font(px(190)));
        item->setCursor(Qt::PointingHandCursor);
        menu_items_[k] = item;
    }
    menu_->hide();

    bt_help_ = new QLabel(QStringLiteral("说明"), board_);
    bt_help_->setObjectName(QStringLiteral("BThelp"));
    bt_help_->setGeometry(place(layout::kHelpLabel));
    bt_help_->setAlignment(Qt::AlignCenter);
    QFont help_font = art::label_font(px(240), true);
    bt_help_->setFont(help_font);
    bt_help_->setStyleSheet(QStringLiteral("color: #183478;"));

    ic_button_ = new picture_control(board_);
    ic_button_->setObjectName(QStringLiteral("ICBUTTON"));
    ic_button_->setGeometry(place(layout::kChipBoxButton));
    ic_button_->set_picture(art::chip_box_icon(dpr));
    ic_button_->setToolTip(QStringLiteral("器件盒"));

    for (int k = 0; k < 6; ++k) {
        picture_control* stick = new picture_control(board_, k);
        stick->setObjectName(QStringLiteral("line(%1)").arg(k));
        stick->setGeometry(twips_rect(layout::kStickLefts[k], layout::kStickTop, art::kStickWidth,
                                      art::kStickHeight));
        stick->set_picture(art::colour_stick_picture(kStickColours[k], dpr));
        stick->setCursor(Qt::PointingHandCursor);
        sticks_[k] = stick;
    }

    on_off_ = new picture_control(board_);
    on_off_->setObjectName(QStringLiteral("on_off"));
    on_off_->setGeometry(place(layout::kPowerSwitch));
    on_off_->set_picture(art::power_switch_picture(false, dpr));
    power_led_ = new picture_control(board_);
    power_led_->setObjectName(QStringLiteral("PowerLed"));
    power_led_->setGeometry(place(layout::kPowerLamp));
    power_led_->set_picture(art::power_lamp_picture(false, dpr));

    for (int k = 0; k < 16; ++k) {
        const double left = layout::kSwitchLeft + layout::kSwitchStep * k;
        picture_control* lamp = new picture_control(board_, k);
        lamp->setObjectName(QStringLiteral("Lamp(%1)").arg(k));
        lamp->setGeometry(twips_rect(left, layout::kLampTop, art::kLampWidth, art::kLampHeight));
        lamp->set_picture(art::lamp_picture(false, dpr));
        lamps_[k] = lamp;
        picture_control* sw = new picture_control(board_, k);
        sw->setObjectName(QStringLiteral("K1(%1)").arg(k));
        sw->setGeometry(twips_rect(left, layout::kSwitchTop, art::kSwitchWidth, art::kSwitchHeight));
        sw->set_picture(art::switch_picture(false, dpr));
        sw->setCursor(Qt::PointingHandCursor);
        k1_[k] = sw;
        picture_control* led = new picture_control(board_, k);
        led->setObjectName(QStringLiteral("Led(%1)").arg(k));
        led->setGeometry(twips_rect(layout::kLedLeft + layout::kLedStep * k, layout::kLedTop,
                                    art::kLedWidth, art::kLedHeight));
        led->set_picture(art::led_picture(k >= 8, dpr));
        led->hide();
        leds_[k] = led;
    }

    for (int k = 0; k < 2; ++k) {
        picture_control* button = new picture_control(board_, k);
        button->setObjectName(QStringLiteral("脉冲按钮(%1)").arg(k));
        button->setGeometry(place(layout::kPulseButtons[k]));
        button->set_picture(art::pulse_button_picture(k == 0, dpr));
        button->setCursor(Qt::PointingHandCursor);
        pulse_[k] = button;
    }

    smg_ = new picture_control(board_);
    smg_->setObjectName(QStringLiteral("smg"));
    smg_->setGeometry(place(layout::kModuleIcon));
    smg_->set_picture(art::module_icon(dpr));
    smg_->hide();

    label2_ = new QLabel(QStringLiteral("频率:"), board_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(place(layout::kRateLabel));
    label2_->setFont(art::label_font(px(170)));
    speed_ = new QLineEdit(QStringLiteral("20"), board_);
    speed_->setObjectName(QStringLiteral("speed"));
    speed_->setGeometry(place(layout::kSpeedBox));
    speed_->setFont(art::label_font(px(160)));
    speed_->setAlignment(Qt::AlignCenter);
    feq_ = new QScrollBar(Qt::Horizontal, board_);
    feq_->setObjectName(QStringLiteral("FEQ"));
    feq_->setGeometry(place(layout::kRateBar));
    feq_->setRange(1, 100);
    feq_->setSingleStep(5);
    feq_->setPageStep(10);
    feq_->setValue(100);

    cir_name_ = new QLabel(QStringLiteral("电路名称："), board_);
    cir_name_->setObjectName(QStringLiteral("CirName"));
    cir_name_->setGeometry(place(layout::kCircuitName));
    cir_name_->setFont(art::label_font(px(170)));

    meter_icon_ = new picture_control(board_);
    meter_icon_->setObjectName(QStringLiteral("xiaowanyongbiao"));
    meter_icon_->setGeometry(place(layout::kMeterIcon));
    meter_icon_->set_picture(art::meter_icon(dpr));
    meter_icon_->setToolTip(QStringLiteral("万用表"));
    scope_icon_ = new picture_control(board_);
    scope_icon_->setObjectName(QStringLiteral("xiaoshiboqi"));
    scope_icon_->setGeometry(place(layout::kScopeIcon));
    scope_icon_->set_picture(art::scope_icon(dpr));
    scope_icon_->setToolTip(QStringLiteral("示波器"));

    tcal_ = new QTimer(this);
    tcal_->setObjectName(QStringLiteral("Tcal"));
    tcal_->setInterval(1);
    tcont18_ = new QTimer(this);
    tcont18_->setObjectName(QStringLiteral("Tcont18"));
    tcont18_->setTimerType(Qt::PreciseTimer);
    tcont18_->setInterval(1);

    connect(bt_menu_, &picture_control::pressed, this, [this] { show_menu(); });
    bt_menu_->setCursor(Qt::PointingHandCursor);
    bt_help_->setCursor(Qt::PointingHandCursor);

    board_->draw_image(art::module_picture(dpr), QPointF(layout::kModuleLeft, layout::kModuleTop));
}

void main_window::show_menu() {
    menu_->move(bt_menu_->x() + bt_menu_->width(), bt_menu_->y() + px(100));
    menu_->show();
    menu_->raise();
}

}  // namespace bench
