// Sizes and colours shared by the pin-out diagrams, so the chip diagrams and
// the display module's diagram look like one set.
#pragma once

#include <QColor>

namespace picgen {

inline constexpr int kDiagramMinimumWidth = 520;
// A diagram widens up to this to keep its function text and table side by side.
inline constexpr int kDiagramSideBySideWidth = 760;
inline constexpr int kDiagramMargin = 16;
inline constexpr int kDiagramGap = 18;

inline constexpr int kTitleFontSize = 18;
inline constexpr int kTextFontSize = 14;
inline constexpr int kTableFontSize = 13;
inline constexpr int kPinNameFontSize = 14;
inline constexpr int kPinNumberFontSize = 11;

inline const QColor kDiagramBackground{255, 255, 255};
inline const QColor kTitleColour{20, 50, 120};
inline const QColor kTextColour{25, 25, 25};
inline const QColor kChipBodyColour{44, 44, 48};
inline const QColor kChipBodyTextColour{245, 245, 245};
inline const QColor kPinNumberColour{200, 200, 205};
inline const QColor kLegFillColour{200, 200, 205};
inline const QColor kLegLineColour{135, 135, 142};
inline const QColor kGroundNameColour{30, 90, 190};
inline const QColor kSupplyNameColour{200, 40, 40};
inline const QColor kUnusedNameColour{140, 140, 140};
inline const QColor kLitSegmentColour{225, 55, 45};

}  // namespace picgen
