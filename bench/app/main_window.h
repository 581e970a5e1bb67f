// `Form1`: the main window with the trainer board and every bench control on it.
// Handlers turn clicks into bench model calls and repaint from the model's state.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <QHash>
#include <array>
#include <memory>
#include <vector>

#include "bench_model.h"
#include "board_view.h"
#include "chip_box.h"
#include "file_prompts.h"
#include "help_window.h"
#include "instruments.h"
#include "lab_tools.h"
#include "meter_on_bench.h"
#include "picture_control.h"
#include "pinout_window.h"
#include "scope_on_bench.h"

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
    chip_box* chips_box() const { return icselect_; }
    // The picture of chip k (1..chip count) on the board.
    picture_control* chip_picture(int k) const;
    bench_model& model() { return *model_; }
    instruments& bench_instruments() { return *instruments_; }
    picture_control* meter_icon() const { return meter_icon_; }
    picture_control* scope_icon() const { return scope_icon_; }
    meter_on_bench* meter() const { return meter_; }
    scope_on_bench* scope() const { return scope_; }
    const QString& program_folder() const { return program_folder_; }

    // Dialog and message boxes of the file commands (tests answer them).
    void set_prompts(std::unique_ptr<file_prompts> prompts) { prompts_ = std::move(prompts); }
    // Where the file dialog starts: the shipped circuits until a file is saved or loaded.
    QString dialog_folder() const;
    void save_command();   // m1
    void load_command();   // m2
    void clear_command();  // m3
    void show_help();      // BThelp
    void show_pinout(int chip);
    void show_module_pinout();
    help_window* help() const { return help_; }
    lab_tools* lab() const { return lab_; }
    pinout_window* pinout() const { return pinout_; }

    // Board redraw: mode 0 or 2 clears the layer and redraws the module and
    // every wire; mode 3 draws the wires over the current picture.
    void redraw_board(int mode);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_controls();
    void create_instruments();
    void connect_controls();
    void install_hooks();
    void show_menu();
    void hide_menu();
    void on_board_press(Qt::MouseButton button, double x, double y);
    void on_board_move(double x, double y);
    void draw_displays();
    void refresh_indicators();
    void sync_chip_pictures();
    const QPixmap& outline_of(const std::string& model);
    void after_change();

    std::unique_ptr<bench_model> model_;
    std::unique_ptr<instruments> instruments_;
    std::unique_ptr<file_prompts> prompts_;
    help_window* help_ = nullptr;
    pinout_window* pinout_ = nullptr;
    lab_tools* lab_ = nullptr;
    QString program_folder_;
    QHash<QString, QPixmap> outlines_;
    QImage module_picture_;
    std::vector<picture_control*> chip_pictures_;  // entry 0 unused
    chip_box* icselect_ = nullptr;
    // Picture holders: Kk, Ll, Powerpic, LEDPIC (0 off / down, 1 on / up).
    std::array<QPixmap, 2> kk_, ll_, powerpic_, ledpic_;

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
    meter_on_bench* meter_ = nullptr;
    scope_on_bench* scope_ = nullptr;
};

}  // namespace bench
