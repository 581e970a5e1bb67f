#include "rate_strip.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace bench {

namespace {

// Between neighbours in the strip, pixels.
constexpr int kGap = 4;

QString trimmed_number(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text;
}

}  // namespace

QString clock_frequency_text(int interval_ms) {
    const double hertz = 1000.0 / (2.0 * std::max(interval_ms, 1));
    const int decimals = hertz >= 10 ? 0 : hertz >= 1 ? 1 : 2;
    return QStringLiteral("≈ %1 Hz").arg(trimmed_number(hertz, decimals));
}

void rate_strip::lay_out(const QRect& strip, const QFont& font) const {
    const QFontMetrics metrics(font);
    const int height = std::max(strip.height(), metrics.height() + 2);
    const int top = strip.bottom() + 1 - height;
    label->setFont(font);
    speed->setFont(font);
    frequency->setFont(font);
    // The widest texts each can show: the rate runs from "0.2" to "20".
    const int label_width = metrics.horizontalAdvance(label->text()) + kGap;
    const int speed_width = metrics.horizontalAdvance(QStringLiteral("0.2")) + 2 * kGap;
    const int frequency_width = metrics.horizontalAdvance(QStringLiteral("≈ 0.88 Hz")) + kGap;
    int x = strip.left();
    label->setGeometry(x, top, label_width, height);
    x += label_width;
    speed->setGeometry(x, top, speed_width, height);
    x += speed_width + kGap;
    frequency->setGeometry(x, top, frequency_width, height);
    x += frequency_width + kGap;
    // Room for its two arrows at the least.
    bar->setGeometry(x, top, std::max(strip.right() + 1 - x, 2 * height), height);
}

}  // namespace bench
