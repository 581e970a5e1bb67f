// The file dialog `CommonDialog1` and the message boxes of the circuit file
// commands, behind one small interface so that tests can answer them.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace bench {

// The answers to the question asked before unsaved work would be lost.
enum class unsaved_answer { save, discard, cancel };

class file_prompts {
public:
    virtual ~file_prompts() = default;
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<QString> save_file_name(const QString& start_folder) = 0;
    virtual std::optional<QString> open_file_name(const QString& start_folder) = 0;
    // "文件…已存在，重写它吗?" with Yes and No and a question icon; true for Yes.
    virtual bool ask_overwrite(const QString& text) = 0;
    // A warning with an exclamation icon.
    virtual void warn(const QString& text) = 0;
    // Whether to save the changed circuit first: buttons 保存, 不保存 and 取消.
    // Prompts that never ask it answer "don't save", so a command goes on as
    // it did before the question existed.
    virtual unsaved_answer ask_save_changes(const QString& text) {
        (void)text;
        return unsaved_answer::discard;
    }
};

// The platform's dialogs, all titled "警告信息" where they are message boxes.
class dialog_prompts : public file_prompts {
public:
    explicit dialog_prompts(QWidget* owner) : owner_(owner) {}
    std::optional<QString> save_file_name(const QString& start_folder) override;
    std::optional<QString> open_file_name(const QString& start_folder) override;
    bool ask_overwrite(const QString& text) override;
    void warn(const QString& text) override;
    unsaved_answer ask_save_changes(const QString& text) override;

private:
    QWidget* owner_;
};

}  // namespace bench
