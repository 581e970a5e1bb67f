#include "chip_descriptions.h"

#include <QCoreApplication>
#include <string>

namespace bench {

namespace {

// The catalogue's descriptions, named here so that they are translated with
// the rest of the interface; the catalogue itself stays plain data.
[[maybe_unused]] constexpr const char* kDescriptionTexts[] = {
    QT_TRANSLATE_NOOP("chip description", "四2输入与非门"),
    QT_TRANSLATE_NOOP("chip description", "四2输入或非门"),
    QT_TRANSLATE_NOOP("chip description", "六反向器"),
    QT_TRANSLATE_NOOP("chip description", "四2输入与门"),
    QT_TRANSLATE_NOOP("chip description", "四2输入与门（OC）"),
    QT_TRANSLATE_NOOP("chip description", "三3输入与门"),
    QT_TRANSLATE_NOOP("chip description", "双4输入与非门"),
    QT_TRANSLATE_NOOP("chip description", "三3输入或非门"),
    QT_TRANSLATE_NOOP("chip description", "8输入与非门"),
    QT_TRANSLATE_NOOP("chip description", "四2输入或门"),
    QT_TRANSLATE_NOOP("chip description", "双4输入与非缓冲器"),
    QT_TRANSLATE_NOOP("chip description", "七段译码/驱动器"),
    QT_TRANSLATE_NOOP("chip description", "2-2、3-3输入与或非门"),
    QT_TRANSLATE_NOOP("chip description", "双上升沿D型触发器"),
    QT_TRANSLATE_NOOP("chip description", "四2输入异或门"),
    QT_TRANSLATE_NOOP("chip description", "双下降沿J-K触发器"),
    QT_TRANSLATE_NOOP("chip description", "四总线缓冲器"),
    QT_TRANSLATE_NOOP("chip description", "3-8译码器"),
    QT_TRANSLATE_NOOP("chip description", "8线－3线优先编码器"),
    QT_TRANSLATE_NOOP("chip description", "8选1数据选择器"),
    QT_TRANSLATE_NOOP("chip description", "双4选1数据选择器"),
    QT_TRANSLATE_NOOP("chip description", "四位十进制同步计数器(异步清除)"),
    QT_TRANSLATE_NOOP("chip description", "双进位全加器"),
    QT_TRANSLATE_NOOP("chip description", "四位十进制同步加/减计数器"),
    QT_TRANSLATE_NOOP("chip description", "四位双向移位寄存器"),
    QT_TRANSLATE_NOOP("chip description", "带清除复位八D触发器"),
    QT_TRANSLATE_NOOP("chip description", "双D触发器"),
    QT_TRANSLATE_NOOP("chip description", "双上升沿J-K触发器"),
    QT_TRANSLATE_NOOP("chip description", "七段译码驱动器"),
    QT_TRANSLATE_NOOP("chip description", "双BCD同步加计数器"),
    QT_TRANSLATE_NOOP("chip description", "七段数码显示器"),
};

}  // namespace

QString shown_description(std::string_view description) {
    const std::string text(description);
    return QCoreApplication::translate("chip description", text.c_str());
}

}  // namespace bench
