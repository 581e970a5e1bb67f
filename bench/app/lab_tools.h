// The lab sheet and truth-table side of the window: two entries of the
// circuit-file menu ("实验单" and "真值表"), the lab panel beside the board
// and the truth-table dialog. The window hands over a loaded circuit's path
// so that the sheet beside it opens at once.
#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "lab_prompts.h"

class QLabel;

namespace bench {

class main_window;
class lab_panel;
class truth_table_dialog;

class lab_tools : public QObject {
    Q_OBJECT
public:
    explicit lab_tools(main_window& window);
    ~lab_tools() override;

    // A circuit was loaded from `path`: the sheet of the same name beside it opens.
    void circuit_loaded(const QString& path);

    void open_sheet(const QString& path);  // shows the panel with the sheet
    void show_panel();                      // the menu entry "实验单"
    void show_truth_table();                // the menu entry "真值表"
    void check_circuit();                   // "检查电路"

    QLabel* menu_item(int k) const { return items_[static_cast<std::size_t>(k)]; }  // 0 实验单, 1 真值表
    lab_panel* panel() const { return panel_; }
    truth_table_dialog* truth_table() const { return truth_table_; }
    void set_prompts(std::unique_ptr<lab_prompts> prompts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add_menu_items();
    void choose_sheet();
    void place_panel();

    main_window& window_;
    std::unique_ptr<lab_prompts> prompts_;
    std::array<QLabel*, 2> items_{};
    lab_panel* panel_ = nullptr;
    truth_table_dialog* truth_table_ = nullptr;
};

}  // namespace bench
