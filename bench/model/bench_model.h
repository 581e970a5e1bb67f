// The bench: the trainer board's circuit, its inputs and indicators, and the
// driver that hands the circuit to the engine. No widgets: the window, cirtool
// and the tests all drive this one class.
//
// How a window uses it
// - Everything the window draws is state read back from here after a call
//   returns: chips (picture rect, pin places, display segments), wires, the
//   wire in hand, power, switches, lamps, LEDs, the module's segments, speed,
//   the circuit caption. The window refreshes its pictures after each call it
//   makes (event handlers and timer ticks alike).
// - What needs the toolkit is asked for through `bench_hooks`, called
//   synchronously from inside the operation: redraw the board, enable the
//   kick timer `Tcal`, enable the clock timer `Tcont18`, change its interval,
//   enable the multimeter's measuring timer, and a note that the display
//   update ran. A hook may read the bench's state but must not call its
//   operations; an empty hook is skipped.
// - Chip and wire numbers given to the bench must exist (1..count); the
//   accessors and chip operations throw std::out_of_range otherwise.
// - Board coordinates are twips; mouse positions inside a chip picture are
//   twips of that picture.
// - Chips and wires are numbered from 1.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "board_geometry.h"
#include "board_links.h"
#include "circuit.h"
#include "circuit_copy.h"
#include "circuit_state.h"
#include "seat_search.h"
#include "shuzhi.h"
#include "value_codes.h"

namespace bench {

enum class mouse_button { left, right, middle };

// The colour sticks `line`(0..5) and the wire colour before any is clicked.
inline constexpr std::array<rgb_colour, 6> kWireStickColours{
    rgb(255, 0, 128), rgb(10, 10, 10), rgb(64, 0, 255),
    rgb(0, 128, 0),   rgb(60, 255, 60), rgb(128, 0, 128)};
inline constexpr rgb_colour kStartWireColour = rgb(250, 100, 100);

// Board redraw modes: 0 and 2 clear and redraw everything, 3 redraws wires and
// probes over the current picture, 1 does nothing. The bench asks only for 0.
inline constexpr int kRedrawAll = 0;

inline constexpr int kSwitchCount = 16;
inline constexpr int kLedCount = 16;
inline constexpr int kSegmentCount = kLastSegmentColumn - kFirstSegmentColumn + 1;

struct picture_size {
    double width = 0;
    double height = 0;
};

struct bench_hooks {
    std::function<void(int mode)> redraw_board;
    std::function<void()> enable_kick;   // start the one-shot `Tcal` (1 ms)
    std::function<void()> enable_clock;  // start `Tcont18` at clock_interval_ms()
    std::function<void(int milliseconds)> set_clock_interval;
    std::function<void()> enable_meter;  // start the multimeter's one-shot measuring timer
    std::function<void()> displays_updated;  // LEDs, module and display chips were updated
    // The size, twips, of the outline picture of a model (trimmed, upper case),
    // or nothing when there is no outline file; the chip then keeps its size.
    std::function<std::optional<picture_size>(const std::string& model)> outline_size;
};

enum class press_outcome {
    nothing,        // no connection point hit (left), or no wire in hand
    wire_removed,   // a wire ending at the hit point was removed
    point_added,    // the wire in hand took a point
    wire_finished,  // the wire in hand took its last point and joined the wire list
};

struct board_press_result {
    press_outcome outcome = press_outcome::nothing;
    bool hit = false;  // a left press on a connection point: indicators were reset
    int row = -1;      // the point hit (left presses)
    int column = -1;
    // For point_added and wire_finished: the line to draw in the wire colour,
    // from the last point taken (the point itself for the first) to the new
    // point; after a left press a red dot marks the point and the line is 2
    // wide, after a right press (a bend, unsnapped) 1 wide.
    board_point from;
    board_point to;
    bool dot = false;
    int wire = 0;  // the wire removed (its former number) or finished
};

struct band_line {
    board_point from;
    board_point to;
};

// The rubber band while a wire is drawn: the band to erase (exclusive-or
// drawing) and the one to draw now.
struct rubber_band {
    std::optional<band_line> erase;
    std::optional<band_line> draw;
};

// Why a chip was not put where the user let it go.
enum class seat_refusal {
    none,
    holes_taken,    // another chip covers some of those holes
    no_free_place,  // no free seat left on the breadboard (a chip placed by name)
    circuit_full,   // node numbers would run out
};

struct placement {
    int chip = 0;  // the chip placed or let go; 0 when no chip was added
    seat_refusal refused = seat_refusal::none;
};

// The outcome of a file command; `message` is the text of the warning box
// (titled "警告信息") when the command failed.
struct file_result {
    bool ok = true;
    QString message;
};

class bench_model {
public:
    bench_model();  // the start-up state
    ~bench_model();
    bench_model(const bench_model&) = delete;
    bench_model& operator=(const bench_model&) = delete;

    void set_hooks(bench_hooks hooks);

    // ---- The circuit ----
    int chip_count() const { return static_cast<int>(chips_.size()) - 1; }
    const chip& chip_at(int k) const;  // 1..chip_count
    int wire_count() const { return static_cast<int>(wires_.size()) - 1; }
    const wire& wire_at(int w) const;  // 1..wire_count

    // ---- Chips ----
    // A chip of catalogue row `row` dropped with its picture's top-left at
    // (left, top); not seated until its first release. Returns its number,
    // or 0 when the row is not in the catalogue or the circuit is full.
    int drop_chip(int row, double left, double top);
    // A chip-box entry let go over the board with its picture's top-left at
    // (left, top). Over the breadboard it seats on the nearest holes that fit
    // it; when another chip covers those holes no chip is added.
    placement take_chip(int row, double left, double top);
    // A click on a chip-box name: the chip goes to the free seat nearest the
    // board's centre, one column clear of other chips and of wire ends.
    placement place_chip_by_name(int row);
    void set_chip_picture_size(int k, double width, double height);
    // Left or middle press at (x, y) inside chip k's picture (the right button
    // opens the pin-out viewer, which is the window's).
    void press_chip(int k, double x, double y);
    // A mouse move over chip k's picture; true when the picture moved.
    bool move_chip(int k, double x, double y);
    // Ends a drag and seats the chip: over the breadboard on the nearest holes
    // that fit it; when another chip covers those holes it goes back to where
    // the drag began.
    placement release_chip(int k);
    void delete_chip(int k);   // double click: later chips move down by one
    // Snaps chip k onto the holes under its picture; false when the picture is
    // not over a valid seat (the pins keep their previous places).
    bool seat_chip(int k);

    // ---- Wiring ----
    void click_colour_stick(int k);  // takes a wire, or cancels the one in hand
    void put_down_wire();            // cancels the wire in hand, keeping the colour
    rgb_colour wire_colour() const { return wire_colour_; }
    int wire_in_hand() const { return in_hand_; }  // -1 none, 0 taken, 1..20 points taken
    const std::vector<board_point>& points_in_hand() const { return hand_points_; }
    // A press on the board. The window handles first what lies above the
    // board: the seven-segment module's right-click area, the menu and the
    // power switch's rectangle.
    board_press_result press_board(mouse_button button, double x, double y);
    rubber_band move_on_board(double x, double y);
    // The band the last move left on the board (none when it lies under the
    // line just drawn): a view drawn afresh puts it back, so that the next
    // move erases it.
    std::optional<band_line> band_on_board() const;
    // Appends a wire (groups are taken from its rows) and numbers the nodes;
    // the instruments' contact wires come in this way. Returns its number.
    int add_wire(wire w);
    void remove_wire(int w);  // later wires move down; nodes are not renumbered

    // ---- Board inputs ----
    void press_power();
    void press_switch(int k);
    void press_pulse(int button);
    void release_pulse(int button);

    // ---- Timers ----
    void clock_tick();  // `Tcont18`
    void kick_tick();   // `Tcal`: starts the clock
    // `FEQ` changed to a value of 1..100: the rate, `speed` and the interval.
    void set_rate(int feq_value);
    double rate() const { return rate_; }
    const QString& speed_text() const { return speed_text_; }
    int clock_interval_ms() const { return clock_interval_ms_; }

    // ---- Circuit files ----
    // Paths are used as given; messages name them trimmed.
    file_result save(const QString& path);
    file_result load(const QString& path);
    void clear();
    const QString& circuit_name() const { return circuit_name_; }  // file name, no folder
    QString circuit_caption() const;                                 // the `CirName` label
    const QString& circuit_folder() const { return circuit_folder_; }  // of the last file
    // The file saved or loaded last, empty before the first.
    QString circuit_file() const { return circuit_name_.isEmpty() ? QString() : circuit_folder_ + circuit_name_; }

    // ---- Copies of the circuit ----
    circuit_copy circuit() const;
    // Replaces the chips and wires with a copy's, each chip on the places it
    // has there and with its memory unknown, as after loading; power,
    // switches and the circuit name stay as they are.
    void take_circuit(const circuit_copy& copy);

    // ---- Editing history ----
    circuit_state snapshot() const;
    // Takes the circuit of `state` (and its file's name when `with_file`);
    // a wire in hand or a chip drag ends.
    void restore_circuit(const circuit_state& state, bool with_file);

    // ---- Indicators and board state ----
    bool power_on() const { return power_; }
    int switch_state(int k) const;
    bool lamp_lit(int k) const;
    bool led_shown(int k) const;
    bool pulse_pressed() const { return pulse_pressed_; }
    bool display_module_on_board() const { return display_module_; }
    // Digit 1 or 2, segment column 18..25.
    segment_look module_segment(int digit, int column) const;
    lgsim::value_code point_value(int row, int column) const;
    // Points outside the grid are ignored.
    void set_point_value(int row, int column, lgsim::value_code code);
    // The clock point turns as a clock tick turns it: 1 after 0, 0 after anything else.
    void toggle_clock_point();

    // ---- Netlist and evaluation driver ----
    void node_numbering();
    void drive_refresh();
    void evaluation_step();
    // A change of the board's inputs (power on, a switch, a wire or a chip
    // added, moved or removed, a load) is driven onto the nodes and evaluated
    // at once, so the indicators follow it without waiting for a clock tick
    // and the inputs sampled for the next clock edge are what the user set.
    void settle_board();
    // The code seen at pin j of chip k: a drive refresh and an engine call.
    lgsim::value_code read_chip_pin(int pin, int chip);
    // The code seen at a connection point; may run an engine call.
    lgsim::value_code read_point(int row, int column);
    // The value at pin j of chip k after the latest evaluation step.
    lgsim::value_code pin_reading(int pin, int chip) const;
    int max_node_number() const { return max_node_number_; }
    lgsim::value_code node_value(int node) const { return valid_node(node) ? v_node_[node] : lgsim::kNoDrive; }
    lgsim::value_code node_drive(int node) const;
    int node_of_pin(int pin, int chip) const;
    bool new_circuit() const { return new_circuit_; }

private:
    struct drag_anchor {
        double x = 0;  // 0: no drag
        double y = 0;
    };

    chip& chip_ref(int k);
    void size_pin_tables();
    bool has_room_for(int pins, int wires) const;
    int add_chip_from(const chip& fields, double left, double top);
    // The first half of seat_chip: the picture snapped and the pin places
    // set, nothing renumbered. For commands that seat many chips and number
    // the nodes once after the last.
    bool place_on_holes(int k);
    // Whether a chip other than `except` covers any of the holes.
    bool holes_taken(const footprint& f, int except) const;
    bool wire_end_near(const footprint& f) const;
    void move_picture_to_seat(chip& c, chip_seat s);
    void load_outline(chip& c);
    void request_redraw();
    void drop_wire_in_hand();
    void kick() const;
    void meter() const;
    void power_on_routine();
    void power_off_routine();
    void apply_power_state();
    void indicators_off();
    void display_update();
    bool valid_node(int node) const { return node >= 0 && node <= max_node_number_; }
    void drive_terminal_codes();
    bool engine_call();
    void set_point(int row, int column, lgsim::value_code code);
    void pulse_step(int column, lgsim::value_code code);
    void remove_all_chips();
    // The board links of the current wiring, worked out again after a change.
    const board_links& links();
    void update_pin_readings();

    bench_hooks hooks_;

    std::vector<chip> chips_;  // entry 0 holds no chip
    std::vector<wire> wires_;  // entry 0 holds no wire
    std::array<std::array<lgsim::value_code, kGridColumns>, kGridRows> point_values_{};

    // Per-pin tables, indexed (pin, chip).
    lgsim::PinArray chip_pin_number_;
    lgsim::PinArray pin_readings_;
    lgsim::PinArray v_chip_pin_;  // the engine's pin-state memory
    std::vector<std::string> chip_model_;
    std::vector<lgsim::value_code> v_node_;
    std::vector<lgsim::value_code> v_node_in_;
    int max_node_number_ = 0;
    bool new_circuit_ = false;

    board_links links_;
    bool links_current_ = false;  // false after any change of wires, chips or nodes
    // The pin readings show v_node as it was last synced (after an engine
    // call), unless a drive refresh set them to the drive codes since.
    bool readings_follow_nodes_ = false;
    std::vector<lgsim::value_code> synced_nodes_;

    bool power_ = false;
    std::array<int, kSwitchCount> switches_{};
    std::array<bool, kSwitchCount> lamps_{};
    std::array<bool, kLedCount> leds_{};
    std::array<std::array<segment_look, kSegmentCount>, 2> module_segments_{};
    bool display_module_ = true;
    bool pulse_pressed_ = false;

    drag_anchor anchor_;
    int drag_chip_ = 0;       // the chip pressed last, until its release
    board_point drag_start_;  // its picture's left and top at the press

    rgb_colour wire_colour_ = kStartWireColour;
    int in_hand_ = -1;
    int hand_start_row_ = -1;
    int hand_start_column_ = -1;
    std::vector<board_point> hand_points_;
    std::optional<band_line> band_;

    double rate_ = 20;
    QString speed_text_ = QStringLiteral("20");
    int clock_interval_ms_ = 1;

    QString circuit_name_;
    QString circuit_folder_;
};

}  // namespace bench
