// `Form1`: the main window with the trainer board and every bench control on it.
// Handlers turn clicks into bench model calls and repaint from the model's state.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "board_view.h"
#include "picture_control.h"

namespace bench {

class main_window : public QWidget {
    Q_OBJECT
public:
    explicit main_window(QWidget* parent = nullptr);
    ~main_window() override;

    board_view* board() const { return board_; }
    QFrame* menu() const { return menu_; }
    QLabel* menu_item(int k) const { return menu_items_[k]; }
    picture_control* menu_button() const { return bt_menu_; }
    QLabel* help_label() const { return bt_help_; }
    picture_control* chip_box_button() const { return ic_button_; }
    picture_control* stick(int k) const { return sticks_[k]; }
    picture_control* power_switch() const { return on_off_; }
    picture_control* power_lamp() const { return power_led_; }
    picture_control* toggle_switch(int k) const { return k1_[k]; }
    picture_control* lamp(int k) const { return lamps_[k]; }
    picture_control* led(int k) const { return leds_[k]; }
    picture_control* pulse_button(int k) const { return pulse_[k]; }
    picture_control* module_icon() const { return smg_; }
    QScrollBar* rate_bar() const { return feq_; }
    QLineEdit* speed_box() const { return speed_; }
    QLabel* circuit_name() const { return cir_name_; }
    QTimer* kick_timer() const { return tcal_; }
    QTimer* clock_timer() const { return tcont18_; }

private:
    void create_controls();
    void show_menu();

    board_view* board_ = nullptr;
    picture_control* bt_menu_ = nullptr;
    QFrame* menu_ = nullptr;
    std::array<QLabel*, 3> menu_items_{};
    QLabel* bt_help_ = nullptr;
    picture_control* ic_button_ = nullptr;
    std::array<picture_control*, 6> sticks_{};
    picture_control* on_off_ = nullptr;
    picture_control* power_led_ = nullptr;
    std::array<picture_control*, 16> k1_{};
    std::array<picture_control*, 16> lamps_{};
    std::array<picture_control*, 16> leds_{};
    std::array<picture_control*, 2> pulse_{};
    picture_control* smg_ = nullptr;
    QScrollBar* feq_ = nullptr;
    QLineEdit* speed_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* cir_name_ = nullptr;
    picture_control* meter_icon_ = nullptr;
    picture_control* scope_icon_ = nullptr;
    QTimer* tcal_ = nullptr;
    QTimer* tcont18_ = nullptr;
};

}  // namespace bench
