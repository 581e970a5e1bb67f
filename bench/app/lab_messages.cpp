#include "lab_messages.h"

#include <QCoreApplication>

namespace bench {

QString sheet_error_text(const lab::sheet_error& e, const QString& name) {
    const QString at =
        QCoreApplication::translate("lab messages", "实验单 %1 第 %2 行").arg(name, QString::number(e.line));
    switch (e.problem) {
    case lab::sheet_problem::none:
        return {};
    case lab::sheet_problem::missing:
        return QCoreApplication::translate("lab messages", "找不到实验单 %1").arg(name);
    case lab::sheet_problem::unreadable:
        return QCoreApplication::translate("lab messages", "实验单 %1 无法读取").arg(name);
    case lab::sheet_problem::too_large:
        return QCoreApplication::translate("lab messages", "%1 太大，不是实验单").arg(name);
    case lab::sheet_problem::not_utf8:
        return at + QCoreApplication::translate("lab messages", "不是 UTF-8 文本");
    case lab::sheet_problem::bad_step:
        return at + QCoreApplication::translate("lab messages", "：无法识别的步骤“%1”").arg(e.text);
    case lab::sheet_problem::expected_without_step:
        return at +
               QCoreApplication::translate("lab messages",
                                           "：“%1”前面没有读取步骤（leds、digits、point、pin、display、measure、capture）")
                   .arg(e.text);
    case lab::sheet_problem::second_expected:
        return at +
               QCoreApplication::translate("lab messages", "：第 %1 行的读取步骤已经有了应得结果").arg(e.step_line);
    case lab::sheet_problem::expected_misfit:
        return at + QCoreApplication::translate("lab messages", "：“%1”与第 %2 行步骤的输出格式不符")
                        .arg(e.text, QString::number(e.step_line));
    case lab::sheet_problem::no_rows:
        return QCoreApplication::translate("lab messages", "实验单 %1 没有要检查的项").arg(name);
    }
    return {};
}

}  // namespace bench
