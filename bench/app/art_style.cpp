#include "art_style.h"

namespace bench::art {

QFont label_font(double height_twips, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(height_twips));
    font.setBold(bold);
    return font;
}

}  // namespace bench::art
