#include "lab_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "file_prompts.h"

namespace bench {

std::optional<QString> lab_dialogs::open_sheet_name(const QString& start_folder) {
    const QString name = QFileDialog::getOpenFileName(owner_, QStringLiteral("打开实验单"), start_folder,
                                                      kSheetFilter + QStringLiteral(";;All Files(*.*)"));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> lab_dialogs::save_name(const QString& suggested_path, const QString& filter) {
    const QString name = QFileDialog::getSaveFileName(owner_, QString(), suggested_path, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

void lab_dialogs::warn(const QString& text) { QMessageBox::warning(owner_, kWarningTitle, text); }

}  // namespace bench
