// The lab panel beside the board: a lab sheet's title and instructions, the
// "检查电路" button, and each check row with what was expected, what the
// circuit gave and whether it passed. Checks run on a copy of the circuit in
// a thread of their own, so the bench goes on as it was while they run.
#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "circuit_copy.h"
#include "lab_sheet.h"
#include "sheet_check.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace bench {

class lab_panel : public QWidget {
    Q_OBJECT
public:
    explicit lab_panel(QWidget* owner);
    ~lab_panel() override;

    // Shows the sheet read from `path`, or the message of a sheet that cannot be read.
    void show_sheet(const QString& path, const lab::sheet_result& read);
    bool has_sheet() const { return sheet_.has_value(); }
    const QString& sheet_path() const { return path_; }

    // Checks the sheet on a copy of a circuit; check_finished() follows.
    void check(const circuit_copy& circuit);
    bool checking() const { return watcher_ != nullptr; }
    const std::optional<lab::check_result>& last_result() const { return result_; }

    QLabel* title_label() const { return title_; }
    QLabel* instructions_label() const { return instructions_; }
    QLabel* message_label() const { return message_; }
    QLabel* summary_label() const { return summary_; }
    QPushButton* check_button() const { return check_button_; }
    QPushButton* open_button() const { return open_button_; }
    // Columns: outcome, row name, expected, got.
    QTableWidget* rows_table() const { return rows_; }

signals:
    void check_requested();  // "检查电路" was pressed
    void open_requested();   // "打开实验单…" was pressed
    void check_finished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit_instructions();
    void stop_check();
    void list_rows();
    void show_result(const lab::check_result& result);

    std::optional<lab::lab_sheet> sheet_;
    QString path_;
    std::optional<lab::check_result> result_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QFutureWatcher<lab::check_result>* watcher_ = nullptr;  // the check that runs

    QLabel* title_ = nullptr;
    QLabel* instructions_ = nullptr;
    QScrollArea* instructions_area_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* check_button_ = nullptr;
    QPushButton* open_button_ = nullptr;
    QTableWidget* rows_ = nullptr;
};

}  // namespace bench
