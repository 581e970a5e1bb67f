#pragma once

class QPainter;

namespace dscopex {

// The screen picture: bezel, tube face and graticule, in screen twips.
void paint_screen(QPainter& painter);

}  // namespace dscopex
