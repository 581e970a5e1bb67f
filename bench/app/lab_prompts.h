// The file dialogs and message box of the lab panel and the truth-table
// dialog, behind one small interface so that tests can answer them.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace bench {

class lab_prompts {
public:
    virtual ~lab_prompts() = default;
    // A lab sheet to open, or nothing when the dialog was cancelled.
    virtual std::optional<QString> open_sheet_name(const QString& start_folder) = 0;
    // Where to save a file of the kind the filter names ("实验单(*.lab)"),
    // starting from a suggested path; nothing when cancelled.
    virtual std::optional<QString> save_name(const QString& suggested_path, const QString& filter) = 0;
    // A warning with an exclamation icon, titled "警告信息".
    virtual void warn(const QString& text) = 0;
};

// The platform's dialogs.
class lab_dialogs : public lab_prompts {
public:
    explicit lab_dialogs(QWidget* owner) : owner_(owner) {}
    std::optional<QString> open_sheet_name(const QString& start_folder) override;
    std::optional<QString> save_name(const QString& suggested_path, const QString& filter) override;
    void warn(const QString& text) override;

private:
    QWidget* owner_;
};

// The name filters of lab sheets ("实验单(*.lab)") and of tables.
QString sheet_filter();
QString csv_filter();

}  // namespace bench
