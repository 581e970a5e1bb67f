// A 5 x 7 bitmap font for the model names on the chip outlines. At outline
// size (a body some sixteen pixels high) any scaled or antialiased font turns
// to mush, so the glyphs are set pixel by pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace picgen {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Width in pixels of a text set in the font (no trailing gap).
int pixel_text_width(const QString& text);

// Sets the text's pixels with its top-left corner at (left, top). Characters
// without a glyph leave a blank cell.
void draw_pixel_text(QImage& image, int left, int top, const QString& text, QColor colour);

}  // namespace picgen
