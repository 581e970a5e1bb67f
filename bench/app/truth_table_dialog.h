// The truth-table dialog: the user picks up to eight toggle switches as
// inputs and LEDs, segments of the module or of display chips, or
// connection points as outputs; every combination runs on a copy of the
// bench's circuit and the table shows what the outputs gave. The table is
// exported as CSV or saved as the lab sheet that checks for it.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "bench_model.h"
#include "truth_table.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QGridLayout;

namespace bench {

class lab_prompts;

class truth_table_dialog : public QDialog {
    Q_OBJECT
public:
    // `bench` is the live bench; the dialog reads it and never changes it.
    // Files are offered in the folder `start_folder` names at the time.
    truth_table_dialog(QWidget* owner, const bench_model& bench, lab_prompts& prompts,
                       std::function<QString()> start_folder);

    // Offers the display chips the circuit has now; keeps the other choices.
    void refresh_choices();
    // Runs the table for the choices made. False, with a note, when they make no table.
    bool run_table();
    bool export_csv();
    bool save_sheet();

    QCheckBox* input_box(int toggle_switch) const { return inputs_[static_cast<std::size_t>(toggle_switch)]; }
    QCheckBox* led_box(int led) const { return leds_[static_cast<std::size_t>(led)]; }
    QCheckBox* segment_box(int digit, int segment) const;
    QSpinBox* ticks_box() const { return ticks_; }
    QSpinBox* point_row_box() const { return point_row_; }
    QSpinBox* point_column_box() const { return point_column_; }
    QPushButton* add_point_button() const { return add_point_; }
    QPushButton* run_button() const { return run_; }
    QTableWidget* table() const { return table_; }
    QLabel* note_label() const { return note_; }
    const std::optional<lab::truth_table>& last_table() const { return made_; }
    lab::truth_table_request request() const;

private:
    void limit_inputs();
    void add_point();
    void show_table();
    QString circuit_base_name() const;

    const bench_model& bench_;
    lab_prompts& prompts_;
    std::function<QString()> start_folder_;
    std::array<QCheckBox*, kSwitchCount> inputs_{};
    std::array<QCheckBox*, kLedCount> leds_{};
    std::array<std::array<QCheckBox*, lab::kSegmentsPerDigit>, 2> digits_{};
    struct display_choice {
        int chip;
        std::array<QCheckBox*, lab::kSegmentsPerDigit> boxes;
    };
    std::vector<display_choice> displays_;
    QGridLayout* display_grid_ = nullptr;
    QSpinBox* point_row_ = nullptr;
    QSpinBox* point_column_ = nullptr;
    QPushButton* add_point_ = nullptr;
    QListWidget* points_ = nullptr;
    QSpinBox* ticks_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::optional<lab::truth_table> made_;
    lab::truth_table_request made_for_;
};

}  // namespace bench
