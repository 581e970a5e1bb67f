// A shown meter with an instant needle, and the mouse as the user holds it.
#pragma once

#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dmeterw.h"
#include "meter_geometry.h"

namespace dmeterx::testing {

struct mouse_event {
    char kind;  // 'D' down, 'M' move, 'U' up
    std::int16_t button;
    std::int16_t shift;
    float x;
    float y;
};

inline QPoint pixel_of(twips_point p) { return {rounded_pixels(p.x), rounded_pixels(p.y)}; }

class MeterTest : public ::testing::Test {
protected:
    void SetUp() override {
        meter = std::make_unique<dmeterw>();
        meter->set_step_delay(std::chrono::microseconds{0});
        meter->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(meter.get()));
        QObject::connect(meter.get(), &dmeterw::MouseDown, [this](auto b, auto s, auto x, auto y) {
            events.push_back({'D', b, s, x, y});
        });
        QObject::connect(meter.get(), &dmeterw::MouseMove, [this](auto b, auto s, auto x, auto y) {
            events.push_back({'M', b, s, x, y});
        });
        QObject::connect(meter.get(), &dmeterw::MouseUp, [this](auto b, auto s, auto x, auto y) {
            events.push_back({'U', b, s, x, y});
        });
    }

    static constexpr QPoint kKnob{87, 175};

    void click_knob(Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(meter.get(), button, {}, kKnob);
    }

    void turn_to(int position) {
        while (meter->range_position() != position) click_knob();
        events.clear();
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers shift = {}) {
        QTest::mousePress(meter.get(), button, shift, at);
    }
    void move(QPoint at) { QTest::mouseMove(meter.get(), at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers shift = {}) {
        QTest::mouseRelease(meter.get(), button, shift, at);
    }

    // The stored value can only be read at design time.
    double stored_value() {
        meter->set_design_mode(true);
        const double value = meter->value_prop();
        meter->set_design_mode(false);
        return value;
    }

    std::unique_ptr<dmeterw> meter;
    std::vector<mouse_event> events;
};

}  // namespace dmeterx::testing
