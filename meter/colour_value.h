// Colours cross the control's interface as 32-bit values 0x00BBGGRR.
#pragma once

#include <QColor>
#include <cstdint>

namespace dmeterx {

inline std::uint32_t colour_value(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

inline QColor colour_of(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xff), static_cast<int>(value >> 8 & 0xff),
                  static_cast<int>(value >> 16 & 0xff));
}

}  // namespace dmeterx
