#include "bench_actions.h"

namespace bench {

namespace {

QAction* add_action(QWidget* window, const char* name, const char* text, const QList<QKeySequence>& keys) {
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    if (!keys.isEmpty())
        action->setToolTip(QString::fromUtf8(text) + QStringLiteral(" (") +
                           keys.first().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    window->addAction(action);
    return action;
}

}  // namespace

bench_actions create_bench_actions(QWidget* window) {
    bench_actions a;
    a.save = add_action(window, "save", "保存电路", {QKeySequence(Qt::CTRL | Qt::Key_S)});
    a.save_as = add_action(window, "save_as", "另存为", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    a.load = add_action(window, "load", "调用电路", {QKeySequence(Qt::CTRL | Qt::Key_O)});
    a.clear = add_action(window, "clear", "清 空", {});
    a.undo = add_action(window, "undo", "撤销", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    a.redo = add_action(window, "redo", "重做",
                        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    a.help = add_action(window, "help", "操作说明", {QKeySequence(Qt::Key_F1)});
    a.delete_chip = add_action(window, "delete_chip", "删除芯片", {QKeySequence(Qt::Key_Delete)});
    a.put_down_wire = add_action(window, "put_down_wire", "放下连线", {QKeySequence(Qt::Key_Escape)});
    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    return a;
}

}  // namespace bench
