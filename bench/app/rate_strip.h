// The rate controls at the board's lower right: the label "频率:", the rate
// value `speed`, the clock's frequency beside it and the scroll bar `FEQ`.
// Each text gets the width its font needs at the present zoom, so nothing is
// clipped; the scroll bar takes the rest of the strip.
#pragma once

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QScrollBar>
#include <QString>

namespace bench {

// The clock point turns once per tick, so one period of the clock takes two
// tick intervals: "≈ 500 Hz", "≈ 7.9 Hz", "≈ 0.08 Hz".
QString clock_frequency_text(int interval_ms);

struct rate_strip {
    QLabel* label = nullptr;        // Label2
    QLineEdit* speed = nullptr;
    QLabel* frequency = nullptr;
    QScrollBar* bar = nullptr;      // FEQ

    // Places the four in `strip` (pixels of their parent) with `font`.
    void lay_out(const QRect& strip, const QFont& font) const;
};

}  // namespace bench
