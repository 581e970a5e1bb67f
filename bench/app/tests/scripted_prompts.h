// Answers the file dialog and the message boxes from scripted replies and
// remembers what was asked.
#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "file_prompts.h"

namespace bench::testing {

struct scripted_prompts : file_prompts {
    std::deque<std::optional<QString>> file_names;
    std::deque<bool> overwrite_answers;
    std::deque<unsaved_answer> unsaved_answers;
    QStringList questions;
    QStringList warnings;
    QStringList dialog_folders;
    QStringList unsaved_questions;

    std::optional<QString> save_file_name(const QString& folder) override { return next(folder); }
    std::optional<QString> open_file_name(const QString& folder) override { return next(folder); }
    bool ask_overwrite(const QString& text) override {
        questions << text;
        const bool yes = overwrite_answers.front();
        overwrite_answers.pop_front();
        return yes;
    }
    void warn(const QString& text) override { warnings << text; }
    unsaved_answer ask_save_changes(const QString& text) override {
        unsaved_questions << text;
        if (unsaved_answers.empty()) return unsaved_answer::discard;
        const unsaved_answer answer = unsaved_answers.front();
        unsaved_answers.pop_front();
        return answer;
    }

private:
    std::optional<QString> next(const QString& folder) {
        dialog_folders << folder;
        auto name = file_names.front();
        file_names.pop_front();
        return name;
    }
};

}  // namespace bench::testing
