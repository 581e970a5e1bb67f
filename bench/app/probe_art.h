// Test probes for the instruments on the board, and the cursor shown while a
// probe is carried. Drawn by code in twips, at whatever size they are shown.
#pragma once

#include <QCursor>

#include "drawing.h"

namespace bench::art {

// The multimeter's probes `表笔`(0, 1): a slim probe lying from its tip at
// the lower left to its lead at the upper right.
inline constexpr double kMeterProbeWidth = 600, kMeterProbeHeight = 1200;
// Where its tip and its lead lie inside the picture, twips.
inline constexpr double kMeterProbeTipX = 150, kMeterProbeTipFromBottom = 110;
// The oscilloscope's probe `示波器笔`(0): a thicker probe with a sprung hook.
inline constexpr double kScopeProbeWidth = 450, kScopeProbeHeight = 1050;
inline constexpr double kScopeProbeTipX = 70, kScopeProbeTipFromBottom = 80;
// The lead leaves both kinds this far in from the top right corner.
inline constexpr double kProbeLeadInset = 100;
inline constexpr double kMeterProbeLeadDown = 100, kScopeProbeLeadDown = 50;

enum class probe_look { red, black, scope };

drawing probe_picture(probe_look look);

// A small probe whose hot spot is its tip.
QCursor probe_cursor();

}  // namespace bench::art
