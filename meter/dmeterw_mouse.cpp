// Presses on the knob turn it, presses on the red plug drag it to a jack, and
// everything else goes to the host as MouseDown, MouseMove and MouseUp.
#include <QMouseEvent>
#include <QPointer>

#include "dmeterw.h"
#include "meter_geometry.h"
#include "range_table.h"

namespace dmeterx {

namespace {

twips_point twips_of(const QMouseEvent* event) {
    return {to_twips(event->position().x()), to_twips(event->position().y())};
}

std::int16_t buttons_code(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton) code |= dmeterw::kLeftButton;
    if (buttons & Qt::RightButton) code |= dmeterw::kRightButton;
    if (buttons & Qt::MiddleButton) code |= dmeterw::kMiddleButton;
    return code;
}

std::int16_t shift_code(Qt::KeyboardModifiers modifiers) {
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier) code |= dmeterw::kShiftKey;
    if (modifiers & Qt::ControlModifier) code |= dmeterw::kCtrlKey;
    if (modifiers & Qt::AltModifier) code |= dmeterw::kAltKey;
    return code;
}

}  // namespace

void dmeterw::turn_knob(bool left_button) {
    range_position_ = next_range_position(range_position_, left_button);
    scale_type_cal();
    range_changed_ = true;
    update();
}

void dmeterw::mousePressEvent(QMouseEvent* event) {
    const twips_point at = twips_of(event);
    if (geometry::in_knob_press_area(at.x, at.y)) turn_knob(event->button() == Qt::LeftButton);
    if (geometry::within_reach(at, plug_)) {
        // A second button during a drag must not forget where the drag began.
        if (!drag_.active) drag_ = {true, plug_};
        return;
    }
    emit MouseDown(buttons_code(event->button()), shift_code(event->modifiers()), static_cast<float>(at.x),
                   static_cast<float>(at.y));
}

void dmeterw::mouseMoveEvent(QMouseEvent* event) {
    const twips_point at = twips_of(event);
    if (drag_.active) {
        plug_ = at;
        update();
        return;
    }
    emit MouseMove(buttons_code(event->buttons()), shift_code(event->modifiers()), static_cast<float>(at.x),
                   static_cast<float>(at.y));
}

void dmeterw::mouseReleaseEvent(QMouseEvent* event) {
    const twips_point at = twips_of(event);
    if (drag_.active) {
        plug_ = drag_.began_at;
        for (std::size_t jack = 0; jack < geometry::kJacks.size(); ++jack) {
            if (geometry::within_reach(at, geometry::kJacks[jack])) {
                plug_ = geometry::kJacks[jack];
                current_jack_ = static_cast<int>(jack);
            }
        }
        drag_.active = false;
    } else {
        // The host may close or delete the control from its handler.
        const QPointer<dmeterw> alive(this);
        emit MouseUp(buttons_code(event->button()), shift_code(event->modifiers()), static_cast<float>(at.x),
                     static_cast<float>(at.y));
        if (!alive) return;
    }
    update();
}

// The second press of a double click has already arrived as a press of its
// own; handling the double click as one more would turn the knob twice.
void dmeterw::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace dmeterx
