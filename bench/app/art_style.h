// Shared look of the project's own artwork: fonts and the colours of the trainer.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace bench::art {

// A sans-serif font with Chinese glyphs, sized in twips (the painters draw in twips).
QFont label_font(double height_twips, bool bold = false);

inline const QColor kPanel{218, 222, 214};
inline const QColor kPanelEdge{92, 98, 104};
inline const QColor kSilk{24, 52, 120};       // printed labels
inline const QColor kSilkRed{176, 30, 30};
inline const QColor kBreadboard{246, 246, 240};
inline const QColor kHole{40, 40, 44};

}  // namespace bench::art
