#include "file_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace bench {

namespace {

// "电路(*.cir)|*.cir|All Files(*.*)|*.*" as two name filters.
QStringList circuit_filters() {
    return {QStringLiteral("电路(*.cir)"), QStringLiteral("All Files(*.*)")};
}

std::optional<QString> run_dialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& folder) {
    QFileDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(circuit_filters());
    dialog.setDirectory(folder);
    // The name is used as typed: no default extension is added, and the
    // overwrite question is the bench's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

std::optional<QString> dialog_prompts::save_file_name(const QString& start_folder) {
    return run_dialog(owner_, QFileDialog::AcceptSave, start_folder);
}

std::optional<QString> dialog_prompts::open_file_name(const QString& start_folder) {
    return run_dialog(owner_, QFileDialog::AcceptOpen, start_folder);
}

bool dialog_prompts::ask_overwrite(const QString& text) {
    return QMessageBox::question(owner_, kWarningTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void dialog_prompts::warn(const QString& text) {
    QMessageBox::warning(owner_, kWarningTitle, text);
}

}  // namespace bench
