// The diagram of the trainer's two-digit seven-segment module, shown when
// the user right-clicks the module: its two digits with every segment named
// and its terminals where they are on the board.
#pragma once

#include <QImage>

namespace picgen {

inline constexpr const char* kModuleDiagramName = "smgmk";

QImage draw_module_diagram();

}  // namespace picgen
