#pragma once

class QPainter;

namespace dscopex {

// The panel's own picture: case, face, lettering, jacks and the recess the
// screen sits in. In control twips.
void paint_panel_face(QPainter& painter);

// The power switch with its lamp, lit while the display is on.
void paint_power_switch(QPainter& painter, bool on);

}  // namespace dscopex
