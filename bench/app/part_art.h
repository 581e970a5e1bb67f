// Pictures of the trainer's parts (switches, lamps, LEDs, buttons, icons and
// the seven-segment module), drawn in twips at whatever size they are shown,
// so they stay crisp at every zoom and on any screen.
#pragma once

#include <QColor>
#include <QCursor>

#include "drawing.h"
#include "form_layout.h"

namespace bench::art {

// Sizes of the pictures, twips.
inline constexpr double kSwitchWidth = 150, kSwitchHeight = 300;
inline constexpr double kLampWidth = 150, kLampHeight = 90;
inline constexpr double kPowerWidth = 315, kPowerHeight = 585;
inline constexpr double kPowerLampWidth = 285, kPowerLampHeight = 255;
inline constexpr double kLedWidth = 240, kLedHeight = 195;
inline constexpr double kPulseWidth = 180, kPulseHeight = 135;
inline constexpr double kStickWidth = layout::kStickWidth, kStickHeight = layout::kStickHeight;
inline constexpr double kModuleWidth = 1620, kModuleHeight = 1545;

drawing switch_picture(bool up);            // Kk(0), Kk(1)
drawing lamp_picture(bool on);              // Ll(0), Ll(1)
drawing power_switch_picture(bool on);      // Powerpic(0), Powerpic(1)
drawing power_lamp_picture(bool on);        // LEDPIC(0), LEDPIC(1)
drawing led_picture(bool red);              // yellowLedon, redledon
drawing pulse_button_picture(bool positive);
drawing colour_stick_picture(const QColor& colour);
drawing menu_icon();        // BTmenu, 465 x 465
drawing chip_box_icon();    // ICBUTTON, 450 x 405
drawing meter_icon();       // xiaowanyongbiao
drawing scope_icon();       // xiaoshiboqi
drawing module_icon();      // smg, 360 x 540
drawing close_box_picture();
// smg_board: the two-digit module, copied onto the board at (8910, 2175).
drawing module_picture();

// The template chip picture, for a chip whose model has no outline file.
drawing template_chip_picture(double width, double height, const QString& model);

QCursor wiring_pointer();

}  // namespace bench::art
