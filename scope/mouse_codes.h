#pragma once

#include <Qt>

namespace dscopex {

// The mouse events carry the classic codes: Button 1 left, 2 right,
// 4 middle (a mask of the held buttons on a move); Shift 1 shift, 2 control,
// 4 alt.
inline short button_code(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

inline short shift_code(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

}  // namespace dscopex
