#include "diagram_fonts.h"

#include <QStringList>

namespace picgen {

QFont diagram_font(int pixel_size, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    return font;
}

}  // namespace picgen
