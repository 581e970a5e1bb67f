// The window's commands with their keyboard shortcuts. The actions belong to
// the main window, so their keys work wherever the focus is in it; the file
// menu shows them with their shortcuts.
#pragma once

#include <QAction>
#include <QWidget>
#include <array>

#include "file_menu.h"

namespace bench {

struct bench_actions {
    QAction* save = nullptr;           // Ctrl+S: to the circuit's own file once it has one
    QAction* save_as = nullptr;        // Ctrl+Shift+S: always asks for the name
    QAction* load = nullptr;           // Ctrl+O
    QAction* clear = nullptr;
    QAction* undo = nullptr;           // Ctrl+Z
    QAction* redo = nullptr;           // Ctrl+Y and Ctrl+Shift+Z
    QAction* help = nullptr;           // F1
    QAction* delete_chip = nullptr;    // Delete: the chip under the pointer
    QAction* put_down_wire = nullptr;  // Esc: the wire in hand

    // The actions in the file menu's item order.
    std::array<QAction*, kMenuItems> menu_actions() const {
        return {save, load, clear, save_as, undo, redo};
    }
};

bench_actions create_bench_actions(QWidget* window);

}  // namespace bench
