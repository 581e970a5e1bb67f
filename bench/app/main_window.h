// `Form1`: the main window with the trainer board and every bench control on it.
// Handlers turn clicks into bench model calls and repaint from the model's state.
// The board sits on a canvas in a zooming, scrolling area (board_zoom.h) with
// the status line below; the window can be resized and maximised, and the
// board and everything on it scale with it.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QWidget>
#include <QHash>
#include <array>
#include <memory>
#include <vector>

#include "bench_actions.h"
#include "bench_model.h"
#include "board_canvas.h"
#include "board_view.h"
#include "board_zoom.h"
#include "chip_box.h"
#include "circuit_history.h"
#include "file_menu.h"
#include "file_prompts.h"
#include "help_window.h"
#include "instruments.h"
#include "lab_tools.h"
#include "meter_on_bench.h"
#include "picture_control.h"
#include "pinout_window.h"
#include "frame_painter.h"
#include "indicator_painter.h"
#include "pointer_watch.h"
#include "scope_on_bench.h"
#include "status_line.h"

namespace bench {

class main_window : public QWidget {
    Q_OBJECT
public:
    explicit main_window(QWidget* parent = nullptr);
    ~main_window() override;
    // The window's caption in the interface's language.
    static QString caption();

    board_view* board() const { return board_; }
    file_menu* menu() const { return menu_; }
    // Items 0 to 2 are m1 to m3; see menu_item_index for the others.
    QLabel* menu_item(int k) const { return menu_->item(k); }
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
    // The clock's frequency beside the rate value.
    QLabel* frequency_label() const { return frequency_; }
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
    // The folder of the chip pictures and shipped circuits (data_folder.h).
    const QString& program_folder() const { return program_folder_; }

    board_canvas* canvas() const { return canvas_; }
    board_zoom* zoom_area() const { return zoom_; }
    const view_scale& scale() const { return canvas_->scale(); }
    // Says what is under the pointer; `show_message` puts a note there for a while.
    status_line* status() const { return status_; }
    pointer_watch* pointer() const { return pointer_; }
    frame_painter* frames() const { return frame_; }
    // The board's area above the status line: a panel added to this splitter
    // sits beside the board, which fits itself to what is left.
    QSplitter* side_by_side() const { return side_by_side_; }

    // Dialog and message boxes of the file commands (tests answer them).
    void set_prompts(std::unique_ptr<file_prompts> prompts) { prompts_ = std::move(prompts); }
    // Where the file dialog starts: the shipped circuits until a file is saved or loaded.
    QString dialog_folder() const;
    // m1: to the circuit's own file once it has one, else as save_as_command.
    // True when the circuit was written.
    bool save_command();
    bool save_as_command();  // m4: asks for the name
    void load_command();     // m2
    void clear_command();    // m3
    // A file named on the command line: loaded without a question; one that
    // cannot be loaded gives the usual message and leaves the bench empty.
    void open_at_start(const QString& path);
    void show_help();      // BThelp
    void show_pinout(int chip);
    void show_module_pinout();
    help_window* help() const { return help_; }
    lab_tools* lab() const { return lab_; }
    pinout_window* pinout() const { return pinout_; }

    // Board redraw: mode 0 or 2 clears the layer and redraws the module and
    // every wire; mode 3 draws the wires over the current picture.
    void redraw_board(int mode);

    // ---- Editing ----
    circuit_history& history() { return *history_; }
    const bench_actions& actions() const { return actions_; }
    void undo_command();
    void redo_command();
    void delete_chip_under_pointer();  // Delete
    void put_down_wire();              // Esc

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create_frame();
    void create_controls();
    // Places and sizes every control for the canvas's scale (main_window_layout.cpp).
    void place_controls();
    // The view changed: places, pictures and drawings follow.
    void view_changed();
    // Draws the wire in hand again after the layer was drawn afresh.
    void redraw_wire_in_hand();
    // The size the window starts at on its screen.
    void take_start_size();
    void create_instruments();
    void connect_controls();
    void install_hooks();
    void show_menu();
    void hide_menu();
    void on_board_press(Qt::MouseButton button, double x, double y);
    void on_board_move(double x, double y);
    void draw_displays();
    // What the clock and the bench changed on the window, painted once per frame.
    void paint_frame();
    void refresh_indicators();
    void sync_chip_pictures();
    const QPixmap& outline_of(const std::string& model);
    // The picture of chip k at its size: its outline drawn by code.
    art::drawing picture_of_chip(const chip& c);
    void after_change();
    // Editing: the history, the actions and their keys, the status line.
    void create_editing();
    void connect_editing();
    void after_restore();
    void update_title();
    void report_placement(const placement& p, bool dragged);
    bool write_circuit(const QString& path);
    // Asks whether to save a changed circuit first; false when the user
    // cancels (or the save failed), so the command that asked must not go on.
    bool unsaved_work_may_go();

    std::unique_ptr<bench_model> model_;
    std::unique_ptr<instruments> instruments_;
    std::unique_ptr<file_prompts> prompts_;
    help_window* help_ = nullptr;
    pinout_window* pinout_ = nullptr;
    lab_tools* lab_ = nullptr;
    QString program_folder_;
    QHash<QString, QPixmap> outlines_;
    QHash<QString, art::drawing> chip_drawings_;
    art::drawing module_picture_;
    std::vector<picture_control*> chip_pictures_;  // entry 0 unused
    chip_box* icselect_ = nullptr;
    // Picture holders: Kk, Ll, Powerpic, LEDPIC (0 off / down, 1 on / up).
    std::array<art::drawing, 2> kk_, ll_, powerpic_, ledpic_;

    QSplitter* side_by_side_ = nullptr;
    board_canvas* canvas_ = nullptr;
    board_zoom* zoom_ = nullptr;
    status_line* status_ = nullptr;
    pointer_watch* pointer_ = nullptr;
    std::unique_ptr<indicator_painter> displays_;
    frame_painter* frame_ = nullptr;
    board_view* board_ = nullptr;
    picture_control* bt_menu_ = nullptr;
    file_menu* menu_ = nullptr;
    bench_actions actions_;
    circuit_history* history_ = nullptr;
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
    QLabel* frequency_ = nullptr;
    QLabel* cir_name_ = nullptr;
    picture_control* meter_icon_ = nullptr;
    picture_control* scope_icon_ = nullptr;
    QTimer* tcal_ = nullptr;
    QTimer* tcont18_ = nullptr;
    meter_on_bench* meter_ = nullptr;
    scope_on_bench* scope_ = nullptr;
    qreal drawn_ratio_ = 0;  // the device pixel ratio the board was drawn for
    bool watching_screen_ = false;
};

}  // namespace bench
