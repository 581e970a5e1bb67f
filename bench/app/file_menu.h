// `menu`: the frame of circuit commands that `BTmenu` opens. Each command
// reads its caption and, beside it, its shortcut; a press on a caption runs
// the command's action, and a command that cannot run now is greyed. Other
// parts of the window may add entries of their own below the file commands.
#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <array>
#include <vector>

namespace bench {

// Items 0 to 2 are `m1` "保存电路", `m2` "调用电路" and `m3` "清 空".
enum menu_item_index { kSaveItem, kLoadItem, kClearItem, kSaveAsItem, kUndoItem, kRedoItem, kMenuItems };

class file_menu : public QFrame {
    Q_OBJECT
public:
    // `actions` in the order of the item indexes above.
    file_menu(QWidget* board, const std::array<QAction*, kMenuItems>& actions);

    QLabel* item(int k) const { return items_[k]; }
    QLabel* shortcut_label(int k) const { return shortcuts_[k]; }

    // An entry of another part of the window, after the file commands and
    // before undo and redo. The caller handles presses on it.
    QLabel* add_item(const QString& caption, const QString& object_name);
    // The view's scale changed: the entries are placed and sized again.
    void rescale() { lay_out(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* make_caption(const QString& caption, const QString& object_name);
    void follow(int k);
    void lay_out();

    std::array<QAction*, kMenuItems> actions_{};
    std::array<QLabel*, kMenuItems> items_{};
    std::array<QLabel*, kMenuItems> shortcuts_{};
    std::vector<QLabel*> added_;
};

}  // namespace bench
