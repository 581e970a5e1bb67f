#include "file_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "circuit_file.h"

namespace bench {

namespace {

// "电路(*.cir)|*.cir|All Files(*.*)|*.*" as two name filters.
QStringList circuit_filters() {
    return {QCoreApplication::translate("file prompts", "电路(*.cir)"),
            QCoreApplication::translate("file prompts", "All Files(*.*)")};
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
    return QMessageBox::question(owner_, warning_title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void dialog_prompts::warn(const QString& text) {
    QMessageBox::warning(owner_, warning_title(), text);
}

unsaved_answer dialog_prompts::ask_save_changes(const QString& text) {
    QMessageBox box(QMessageBox::Question, warning_title(), text, QMessageBox::NoButton, owner_);
    box.setObjectName(QStringLiteral("unsaved_question"));
    QPushButton* save = box.addButton(QCoreApplication::translate("file prompts", "保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("file prompts", "不保存"),
                                         QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("file prompts", "取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return unsaved_answer::save;
    if (box.clickedButton() == discard) return unsaved_answer::discard;
    return unsaved_answer::cancel;
}

}  // namespace bench
