// The colours of the outline pictures. The GIF writer puts each of them into
// its palette as is, so the outlines keep these exact shades.
#pragma once

#include <QColor>
#include <array>

namespace picgen {

inline const QColor kBodyColour{28, 28, 30};
inline const QColor kBodyEdgeColour{62, 62, 66};
inline const QColor kNotchColour{105, 105, 110};
inline const QColor kLegColour{200, 200, 204};
inline const QColor kLegShadeColour{130, 130, 136};
inline const QColor kNameColour{255, 255, 255};
inline const QColor kPinOneDotColour{150, 150, 155};
inline const QColor kDisplayBodyColour{22, 22, 22};
inline const QColor kDisplayEdgeColour{70, 70, 70};
inline const QColor kDimSegmentColour{78, 52, 52};

inline const std::array<QColor, 10> kOutlineColours{
    kBodyColour,      kBodyEdgeColour,    kNotchColour,       kLegColour,         kLegShadeColour,
    kNameColour,      kPinOneDotColour,   kDisplayBodyColour, kDisplayEdgeColour, kDimSegmentColour,
};

}  // namespace picgen
