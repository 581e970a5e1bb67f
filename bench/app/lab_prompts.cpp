#include "lab_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "circuit_file.h"

namespace bench {

QString sheet_filter() { return QCoreApplication::translate("lab prompts", "实验单(*.lab)"); }
QString csv_filter() { return QCoreApplication::translate("lab prompts", "CSV 表格(*.csv)"); }

std::optional<QString> lab_dialogs::open_sheet_name(const QString& start_folder) {
    const QString name = QFileDialog::getOpenFileName(
        owner_, QCoreApplication::translate("lab prompts", "打开实验单"), start_folder,
        sheet_filter() + QStringLiteral(";;") + QCoreApplication::translate("file prompts", "All Files(*.*)"));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> lab_dialogs::save_name(const QString& suggested_path, const QString& filter) {
    const QString name = QFileDialog::getSaveFileName(owner_, QString(), suggested_path, filter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

void lab_dialogs::warn(const QString& text) { QMessageBox::warning(owner_, warning_title(), text); }

}  // namespace bench
