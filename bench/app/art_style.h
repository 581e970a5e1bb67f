// Shared look of the project's own artwork: fonts and the colours of the trainer.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "board_geometry.h"

namespace bench::art {

// A sans-serif font with Chinese glyphs, sized in twips (the painters draw in twips).
QFont label_font(double height_twips, bool bold = false);

// The height, pixels, of the window's normal text.
int normal_text_pixels();

// Printed labels on the board are as tall as the window's normal text, so
// they stay readable when the board is shown small, but never taller than the
// room the trainer leaves for them (that holds at every fitting zoom from
// 1.25 up; below it they shrink with the board).
inline constexpr double kLargestTextFloor = 144;
double text_floor_twips(const view_scale& scale);

// The font of a text control on the board: `design_twips` tall at the
// scale, and as tall as the window's normal text where the control's box
// holds it (at zoom 1 and above); below that it shrinks with the board.
inline constexpr double kLargestControlTextFloor = 180;
QFont control_font(const view_scale& scale, double design_twips, bool bold = false);

inline const QColor kPanel{218, 222, 214};
inline const QColor kPanelEdge{92, 98, 104};
inline const QColor kSilk{24, 52, 120};       // printed labels
inline const QColor kSilkRed{176, 30, 30};
inline const QColor kBreadboard{246, 246, 240};
inline const QColor kHole{40, 40, 44};

}  // namespace bench::art
