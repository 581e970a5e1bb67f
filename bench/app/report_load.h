// `labbench --report-load FILE.cir`: the window loads the file as it does a
// file named at start, prints what it loaded and the program ends, so that
// an installed program can be checked without a screen
// (QT_QPA_PLATFORM=offscreen). It prints, one per line:
//   caption: decade_counter - 数字电路虚拟实验台   (in the interface's language)
//   data folder: /usr/share/labbench/
//   chips: 2
//   chip pictures: 2        (chips whose outline picture was found)
//   wires: 14
// and answers 0; a file that cannot be loaded prints its message on the
// error stream and answers 1.
#pragma once

#include <QString>

namespace bench {

class main_window;

int report_load(main_window& window, const QString& path);

}  // namespace bench
