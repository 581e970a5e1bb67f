#include "art_style.h"

#include <QApplication>
#include <QFontInfo>
#include <algorithm>
#include <cmath>

namespace bench::art {

QFont label_font(double height_twips, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height_twips))));
    font.setBold(bold);
    return font;
}

int normal_text_pixels() { return QFontInfo(QApplication::font()).pixelSize(); }

double text_floor_twips(const view_scale& scale) {
    return std::min(normal_text_pixels() * scale.twips_per_pixel, kLargestTextFloor);
}

QFont control_font(const view_scale& scale, double design_twips, bool bold) {
    const double floor = std::min(normal_text_pixels() * scale.twips_per_pixel, kLargestControlTextFloor);
    return label_font(scale.to_pixels(std::max(design_twips, floor)), bold);
}

}  // namespace bench::art
