// `icselect`: the sliding chip box. It lists the catalogue by category,
// narrowed by the search field to the models or descriptions that contain
// its text; the list scrolls with its bar or the mouse wheel. An entry's
// picture is dragged onto the board, and a click on its name asks for the
// chip to be placed by name.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "picture_control.h"

namespace bench {

class chip_box : public QWidget {
    Q_OBJECT
public:
    // The box sits on the board's canvas and hides behind the board.
    chip_box(QWidget* canvas, QWidget* board, const QString& program_folder);

    // Category 0 lists every model; 1 gates, 2 flip-flops, 3 decoders and counters, 4 others.
    // Only entries whose model or description contains the search text are listed.
    void fill(int category);
    QLineEdit* search_field() const { return search_; }
    int shown_count() const { return shown_; }
    int row_of_entry(int entry) const { return entry_rows_[entry]; }
    QLabel* name_label(int entry) const { return names_[entry]; }
    QLabel* model_label(int entry) const { return models_[entry]; }
    picture_control* entry_picture(int entry) const { return pictures_[entry]; }
    QComboBox* category_list() const { return cb_ic_; }
    QScrollBar* scroll_bar() const { return scroll_; }
    QWidget* entry_panel() const { return panel_; }
    picture_control* close_box() const { return closebox_; }

    void open();
    void close_box_clicked();
    // The view's scale changed: every part is placed and sized again.
    void rescale();
    bool sliding() const { return slide_timer_.isActive(); }
    // Runs a slide to its end at once (tests, and a second click while sliding).
    void finish_slide();

signals:
    void name_clicked(int catalogue_row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct slide_step {
        double left;
        bool raise = false;   // bring to the front before this step
        bool lower = false;   // put behind the board before this step
        bool hide = false;    // hide after this step
    };
    void lay_out();
    void place_entry(int i);
    // Puts the box's left edge at `left`, twips from the form's left.
    void place_at(double left);
    void start_slide(std::vector<slide_step> steps);
    void slide_tick();
    void scroll_to(int value);
    void start_drag(int entry);

    QWidget* board_;
    QString program_folder_;
    QWidget* title_ = nullptr;
    QLabel* title_label_ = nullptr;
    std::array<QWidget*, 4> edges_{};
    picture_control* closebox_ = nullptr;
    QComboBox* cb_ic_ = nullptr;
    QWidget* panel_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLineEdit* search_ = nullptr;
    QWidget* search_strip_ = nullptr;
    int category_ = 0;
    std::vector<QLabel*> names_;
    std::vector<QLabel*> models_;
    std::vector<picture_control*> pictures_;
    std::vector<int> entry_rows_;
    std::vector<double> entry_tops_;          // twips, in the entry panel
    std::vector<QSizeF> entry_picture_sizes_;  // twips, from the outline files
    double panel_height_ = 1000;               // twips
    double left_ = 0;                          // twips from the form's left
    int shown_ = 0;
    bool entries_created_ = false;

    QTimer slide_timer_;
    std::vector<slide_step> steps_;
    std::size_t next_step_ = 0;
};

}  // namespace bench
