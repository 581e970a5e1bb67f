#include "bench_actions.h"

#include <QCoreApplication>

namespace bench {

namespace {

QAction* add_action(QWidget* window, const char* name, const char* source_text, const QList<QKeySequence>& keys) {
    const QString text = QCoreApplication::translate("bench actions", source_text);
    auto* action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    if (!keys.isEmpty())
        action->setToolTip(text + QStringLiteral(" (") +
                           keys.first().toString(QKeySequence::NativeText) + QStringLiteral(")"));
    window->addAction(action);
    return action;
}

}  // namespace

bench_actions create_bench_actions(QWidget* window) {
    bench_actions a;
    a.save = add_action(window, "save", QT_TRANSLATE_NOOP("bench actions", "保存电路"),
                        {QKeySequence(Qt::CTRL | Qt::Key_S)});
    a.save_as = add_action(window, "save_as", QT_TRANSLATE_NOOP("bench actions", "另存为"),
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    a.load = add_action(window, "load", QT_TRANSLATE_NOOP("bench actions", "调用电路"),
                        {QKeySequence(Qt::CTRL | Qt::Key_O)});
    a.clear = add_action(window, "clear", QT_TRANSLATE_NOOP("bench actions", "清 空"), {});
    a.undo = add_action(window, "undo", QT_TRANSLATE_NOOP("bench actions", "撤销"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    a.redo = add_action(window, "redo", QT_TRANSLATE_NOOP("bench actions", "重做"),
                        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    a.help = add_action(window, "help", QT_TRANSLATE_NOOP("bench actions", "操作说明"), {QKeySequence(Qt::Key_F1)});
    a.delete_chip = add_action(window, "delete_chip", QT_TRANSLATE_NOOP("bench actions", "删除芯片"),
                               {QKeySequence(Qt::Key_Delete)});
    a.put_down_wire = add_action(window, "put_down_wire", QT_TRANSLATE_NOOP("bench actions", "放下连线"),
                                 {QKeySequence(Qt::Key_Escape)});
    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    return a;
}

}  // namespace bench
