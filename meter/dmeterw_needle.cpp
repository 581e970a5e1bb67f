// The needle: where a value puts it on the current scale, and the sweep there.
#include <cmath>
#include <thread>

#include "dmeterw.h"
#include "meter_geometry.h"

namespace dmeterx {

void dmeterw::alfa_cal() { linear_ = linear_angles(); }

void dmeterw::res_values_ini() { ohm_readings_ = ohm_readings(); }

void dmeterw::res_pos_alfa_ini() { ohm_angles_ = ohm_angles(); }

void dmeterw::pointer_move() {
    alfa_cal();
    if (value_ >= full_scale_) value_ = full_scale_;
    const auto target = linear_target_step(value_, full_scale_, linear_);
    if (!target) return;
    sweep_needle(linear_step_, *target, linear_.start);
    linear_step_ = *target;
}

void dmeterw::RESpointer_move() {
    // The full scale of a resistance range is the multiplier of the ohm scale.
    const auto target = ohm_target_step(value_ / full_scale_, ohm_readings_, ohm_angles_);
    if (!target) return;
    sweep_needle(ohm_step_, *target, 0);
    ohm_step_ = *target;
}

// Both ends are included, so a sweep to the step the needle is on still sets
// it once. The host waits for the whole sweep: nothing else runs meanwhile,
// and input that arrives during it is handled afterwards.
void dmeterw::sweep_needle(int from, int to, double start_angle) {
    const auto pivot = geometry::kPivot;
    const double length = std::hypot(needle_tip_.x - pivot.x, needle_tip_.y - pivot.y);
    const int direction = from >= to ? -1 : 1;
    for (int step = from;; step += direction) {
        needle_tip_ = dmeterx::needle_tip(length, start_angle + step / kStepsPerRadian);
        if (step % 10 == 0 && isVisible()) repaint();
        if (step_delay_.count() > 0) std::this_thread::sleep_for(step_delay_);
        if (step == to) break;
    }
    update();
}

}  // namespace dmeterx
