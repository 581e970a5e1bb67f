#include "help_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "twips_geometry.h"

namespace bench {

namespace {

struct help_line {
    double left, top;
    const char* text;
};

// "宋体 10.5 pt": a Song (serif) face with the Chinese glyphs.
QFont song_font() {
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(10.5);
    return font;
}

constexpr help_line kLines[] = {
    {240, 240, QT_TRANSLATE_NOOP("help", "1.点击左上角图标     ，可调用系统提供的电路或保存当前电路;")},
    {240, 840, QT_TRANSLATE_NOOP("help", "2.从左侧器件库中取出(拖动图片、或单击名称)芯片;")},
    {240, 1320, QT_TRANSLATE_NOOP("help", "3.右击芯片可查看逻辑图，双击则删除；")},
    {240, 1920, QT_TRANSLATE_NOOP("help", "4.右上角单击连接线取线后，再单击连接点插线连接，右击可折线。")},
    {480, 2280, QT_TRANSLATE_NOOP("help", "连接点包括：下方电源、拨动开关、脉冲按钮，上方的指示灯和")},
    {480, 2640, QT_TRANSLATE_NOOP("help", "右侧的数码管；")},
    {240, 3120, QT_TRANSLATE_NOOP("help", "5.打开电源开关，单击有关拨动开关，即可查看LED或数码管指示变化。")},
    {480, 3480, QT_TRANSLATE_NOOP("help", "亦可用右侧万用表测量高/低电平或接点连通性。")},
};

// Short paragraphs after the instructions: the instruments' controls, the
// rate bar, undo and the keys.
constexpr const char* kMoreParagraphs[] = {
    QT_TRANSLATE_NOOP("help", "6.万用表：左键或右键单击量程旋钮可向两个方向换挡，指针随即按新量程重新测量。"),
    QT_TRANSLATE_NOOP("help", "7.示波器：单击电源开关打开或关闭显示；单击旋钮和开关换挡，上下拖动位置旋钮移动波形；把探头拖到连接点上即可观察波形。"),
    QT_TRANSLATE_NOOP("help", "8.频率滑条：调节时钟快慢，右端最快，左侧方框显示当前数值。"),
    QT_TRANSLATE_NOOP("help", "9.撤销与重做：放置、移动、删除芯片，连线、拆线、清空和调用电路都可以撤销（Ctrl+Z）和重做（Ctrl+Y 或 Ctrl+Shift+Z）；电源、开关和脉冲按钮的操作不在其中。"),
    QT_TRANSLATE_NOOP("help", "10.快捷键：Ctrl+S 保存电路，Ctrl+Shift+S 另存为，Ctrl+O 调用电路，F1 打开说明，Delete 删除指针下的芯片，Esc 放下手中的连线。"),
};
constexpr double kFormWidth = 7530;
constexpr double kParagraphLeft = 240, kFirstParagraphTop = 3960, kParagraphGap = 120, kBottomMargin = 360;

}  // namespace

help_window::help_window(QWidget* owner, const QPixmap& menu_picture) : QDialog(owner) {
    setObjectName(QStringLiteral("Frm_help"));
    setWindowTitle(tr("操作说明"));
    setModal(false);
    QFrame* frame = new QFrame(this);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, Qt::white);
    frame->setPalette(pal);
    int k = 0;
    // A line that wraps (a translation may be longer than the form is wide)
    // pushes every later line down by what it grew.
    int pushed_down = 0;
    QLabel* first_line = nullptr;
    for (const help_line& line : kLines) {
        QLabel* label = new QLabel(QCoreApplication::translate("help", line.text), frame);
        label->setObjectName(QStringLiteral("Label%1").arg(++k));
        label->setFont(song_font());
        label->move(px(kFileScale, line.left), px(kFileScale, line.top) + pushed_down);
        label->adjustSize();
        const int room = px(kFileScale, kFormWidth - kParagraphLeft - line.left);
        if (label->width() > room) {
            const int one_line = label->height();
            label->setWordWrap(true);
            label->resize(room, label->heightForWidth(room));
            pushed_down += label->height() - one_line;
        }
        if (first_line == nullptr) first_line = label;
    }
    int top = px(kFileScale, kFirstParagraphTop) + pushed_down;
    for (const char* text : kMoreParagraphs) {
        QLabel* label = new QLabel(QCoreApplication::translate("help", text), frame);
        label->setObjectName(QStringLiteral("Label%1").arg(++k));
        label->setFont(song_font());
        label->setWordWrap(true);
        const int width = px(kFileScale, kFormWidth - 2 * kParagraphLeft);
        label->setGeometry(px(kFileScale, kParagraphLeft), top, width, label->heightForWidth(width));
        top = label->geometry().bottom() + px(kFileScale, kParagraphGap);
    }
    setFixedSize(px(kFileScale, kFormWidth), top + px(kFileScale, kBottomMargin));
    frame->setGeometry(rect());
    // The menu button's picture fills the blank of the first line, which
    // starts at its first run of spaces.
    QLabel* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("menu_picture"));
    const QString first = first_line->text();
    const qsizetype blank = first.indexOf(QStringLiteral("  "));
    const int left = blank < 0 ? px(kFileScale, 1920)
                               : first_line->x() + first_line->fontMetrics().horizontalAdvance(first.left(blank));
    picture->setGeometry(left, px(kFileScale, 120), px(kFileScale, 465), px(kFileScale, 465));
    picture->setScaledContents(true);
    picture->setPixmap(menu_picture);
}

}  // namespace bench
