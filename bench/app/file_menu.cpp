#include "file_menu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

#include "art_style.h"
#include "board_canvas.h"
#include "twips_geometry.h"

namespace bench {

namespace {

struct item_look {
    const char* object_name;
    const char* caption;
};

constexpr item_look kItems[kMenuItems] = {
    {"m1", QT_TRANSLATE_NOOP("file menu", "保存电路")}, {"m2", QT_TRANSLATE_NOOP("file menu", "调用电路")},
    {"m3", QT_TRANSLATE_NOOP("file menu", "清 空")},    {"m6", QT_TRANSLATE_NOOP("file menu", "另存为")},
    {"m7", QT_TRANSLATE_NOOP("file menu", "撤 销")},    {"m8", QT_TRANSLATE_NOOP("file menu", "重 做")},
};

constexpr double kItemLeft = 120, kItemWidth = 855, kItemHeight = 200;
constexpr double kShortcutLeft = 1035, kShortcutWidth = 1065;
constexpr double kFirstTop = 240, kRowStep = 360, kGroupGap = 120, kBottomMargin = 60;
constexpr double kMenuWidth = kShortcutLeft + kShortcutWidth + 60;

}  // namespace

file_menu::file_menu(QWidget* board, const std::array<QAction*, kMenuItems>& actions)
    : QFrame(board), actions_(actions) {
    setObjectName(QStringLiteral("menu"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    for (int k = 0; k < kMenuItems; ++k) {
        items_[k] = make_caption(QCoreApplication::translate("file menu", kItems[k].caption), QString::fromLatin1(kItems[k].object_name));
        items_[k]->installEventFilter(this);
        QLabel* shortcut = new QLabel(this);
        shortcut->setObjectName(QString::fromLatin1(kItems[k].object_name) + QStringLiteral("_shortcut"));
        shortcut->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        shortcuts_[k] = shortcut;
        connect(actions_[k], &QAction::changed, this, [this, k] { follow(k); });
        follow(k);
    }
    lay_out();
    hide();
}

QLabel* file_menu::make_caption(const QString& caption, const QString& object_name) {
    QLabel* item = new QLabel(caption, this);
    item->setObjectName(object_name);
    item->setCursor(Qt::PointingHandCursor);
    return item;
}

QLabel* file_menu::add_item(const QString& caption, const QString& object_name) {
    QLabel* item = make_caption(caption, object_name);
    added_.push_back(item);
    lay_out();
    return item;
}

void file_menu::lay_out() {
    // Top to bottom: the file commands, the added entries, then undo and
    // redo after a small gap.
    std::vector<int> rows = {kSaveItem, kSaveAsItem, kLoadItem, kClearItem};
    const view_scale& s = scale_of(this);
    const QFont caption_font = art::control_font(s, 190);
    const QFont shortcut_font = art::control_font(s, 170);
    // The captions' column is as wide as its longest caption needs (English
    // ones are longer than the Chinese), and the shortcuts move right with it.
    const QFontMetrics caption_metrics(caption_font);
    double item_width = kItemWidth;
    for (const QLabel* caption : items_)
        item_width = std::max(item_width, twips_of(s, caption_metrics.horizontalAdvance(caption->text()) + 2));
    for (const QLabel* caption : added_)
        item_width = std::max(item_width, twips_of(s, caption_metrics.horizontalAdvance(caption->text()) + 2));
    const double shortcut_left = kShortcutLeft + (item_width - kItemWidth);
    double top = kFirstTop;
    auto place = [&](QLabel* caption, QLabel* shortcut) {
        caption->setGeometry(twips_rect(s, kItemLeft, top, item_width, kItemHeight));
        caption->setFont(caption_font);
        if (shortcut != nullptr) {
            shortcut->setGeometry(twips_rect(s, shortcut_left, top, kShortcutWidth, kItemHeight));
            shortcut->setFont(shortcut_font);
        }
        top += kRowStep;
    };
    for (const int k : rows) place(items_[k], shortcuts_[k]);
    for (QLabel* added : added_) place(added, nullptr);
    top += kGroupGap;
    for (const int k : {kUndoItem, kRedoItem}) place(items_[k], shortcuts_[k]);
    resize(px(s, kMenuWidth + (item_width - kItemWidth)), px(s, top - kRowStep + kItemHeight + kBottomMargin + 40));
}

void file_menu::follow(int k) {
    const QAction* action = actions_[k];
    shortcuts_[k]->setText(action->shortcut().toString(QKeySequence::NativeText));
    items_[k]->setEnabled(action->isEnabled());
    shortcuts_[k]->setEnabled(action->isEnabled());
    items_[k]->setToolTip(action->toolTip());
}

bool file_menu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int k = 0; k < kMenuItems; ++k)
            if (watched == items_[k] && actions_[k]->isEnabled()) actions_[k]->trigger();
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace bench
