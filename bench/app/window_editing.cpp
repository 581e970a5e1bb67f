// The main window's editing commands: undo and redo, the question before
// unsaved work is lost, saving to the circuit's own file, the keys that
// delete a chip and put down a wire, the title with the circuit's name, and
// the status line that says why a chip was not seated.
#include <QCursor>
#include <QUndoStack>

#include "main_window.h"
#include "part_art.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// A circuit with nothing drawn on it and no file is not worth a question.
bool blank(const bench_model& model) {
    if (model.chip_count() > 0 || !model.circuit_name().isEmpty()) return false;
    for (int w = 1; w <= model.wire_count(); ++w)
        if (!model.wire_at(w).is_contact()) return false;
    return true;
}

}  // namespace

QString main_window::caption() { return tr("数字电路虚拟实验台"); }

void main_window::create_editing() {
    actions_ = create_bench_actions(this);
    history_ = new circuit_history(*model_, [this] { after_restore(); }, this);
}

void main_window::connect_editing() {
    connect(actions_.save, &QAction::triggered, this, [this] { save_command(); });
    connect(actions_.save_as, &QAction::triggered, this, [this] { save_as_command(); });
    connect(actions_.load, &QAction::triggered, this, [this] { load_command(); });
    connect(actions_.clear, &QAction::triggered, this, [this] { clear_command(); });
    connect(actions_.undo, &QAction::triggered, this, [this] { undo_command(); });
    connect(actions_.redo, &QAction::triggered, this, [this] { redo_command(); });
    connect(actions_.help, &QAction::triggered, this, [this] { show_help(); });
    connect(actions_.delete_chip, &QAction::triggered, this, [this] { delete_chip_under_pointer(); });
    connect(actions_.put_down_wire, &QAction::triggered, this, [this] { put_down_wire(); });

    QUndoStack* stack = history_->stack();
    connect(stack, &QUndoStack::canUndoChanged, actions_.undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, actions_.redo, &QAction::setEnabled);
    QAction* undo = actions_.undo;
    QAction* redo = actions_.redo;
    connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setToolTip(tr("撤销 %1 (Ctrl+Z)").arg(text));
    });
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setToolTip(tr("重做 %1 (Ctrl+Y)").arg(text));
    });
    connect(history_, &circuit_history::modified_changed, this, [this] { update_title(); });
    bt_help_->setToolTip(actions_.help->toolTip());
    update_title();
}

void main_window::update_title() {
    const QString name = model_->circuit_name();
    const bool modified = history_->modified();
    if (name.isEmpty() && !modified) {
        setWindowTitle(caption());
        return;
    }
    setWindowTitle((name.isEmpty() ? tr("未命名电路") : name) + (modified ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" - ") + caption());
}

void main_window::after_restore() {
    // The probes stay where they are: their contact wires join the circuit
    // that came back.
    instruments_->reattach_probes();
    board_->setCursor(QCursor());
    cir_name_->setText(model_->circuit_caption());
    after_change();
    update_title();
}

void main_window::undo_command() {
    hide_menu();
    const QString text = history_->undo_text();
    const int before = history_->stack()->index();
    history_->undo();
    if (history_->stack()->index() != before) status_->show_message(tr("已撤销：%1").arg(text));
}

void main_window::redo_command() {
    hide_menu();
    const QString text = history_->redo_text();
    const int before = history_->stack()->index();
    history_->redo();
    if (history_->stack()->index() != before) status_->show_message(tr("已重做：%1").arg(text));
}

void main_window::delete_chip_under_pointer() {
    if (history_->in_progress()) return;  // a chip is being dragged
    const QWidget* under = childAt(mapFromGlobal(QCursor::pos()));
    for (int k = 1; k <= model_->chip_count(); ++k) {
        if (chip_picture(k) != under) continue;
        history_->record(tr("删除芯片"), [&] { model_->delete_chip(k); });
        after_change();
        return;
    }
}

void main_window::put_down_wire() {
    hide_menu();
    model_->put_down_wire();
    board_->setCursor(QCursor());
}

void main_window::report_placement(const placement& p, bool dragged) {
    switch (p.refused) {
    case seat_refusal::none:
        return;
    case seat_refusal::holes_taken:
        status_->show_message(dragged ? tr("那里的插孔已被另一块芯片占用，芯片放回原处")
                                      : tr("那里的插孔已被另一块芯片占用，芯片没有放上"));
        return;
    case seat_refusal::no_free_place:
        status_->show_message(tr("面包板上已没有空位放这块芯片"));
        return;
    case seat_refusal::circuit_full:
        status_->show_message(tr("电路已满，不能再放芯片"));
        return;
    }
}

bool main_window::save_command() {
    const QString own = model_->circuit_file();
    if (own.isEmpty()) return save_as_command();
    hide_menu();
    return write_circuit(own);
}

bool main_window::write_circuit(const QString& path) {
    const file_result result = model_->save(path);
    if (result.ok) {
        history_->mark_saved();
        status_->show_message(tr("已保存 %1").arg(model_->circuit_name()));
    } else {
        prompts_->warn(result.message);
    }
    cir_name_->setText(model_->circuit_caption());
    update_title();
    return result.ok;
}

bool main_window::unsaved_work_may_go() {
    if (!history_->modified() || blank(*model_)) return true;
    const QString name = model_->circuit_name();
    const QString question = name.isEmpty() ? tr("当前电路已修改，要先保存吗?") : tr("电路%1已修改，要先保存吗?").arg(name);
    switch (prompts_->ask_save_changes(question)) {
    case unsaved_answer::save:
        return save_command();
    case unsaved_answer::discard:
        return true;
    case unsaved_answer::cancel:
        return false;
    }
    return false;
}

void main_window::open_at_start(const QString& path) {
    const file_result result = model_->load(path);
    if (!result.ok) prompts_->warn(result.message);
    else lab_->circuit_loaded(path);
    history_->mark_saved();
    cir_name_->setText(model_->circuit_caption());
    update_title();
    after_change();
}

}  // namespace bench
