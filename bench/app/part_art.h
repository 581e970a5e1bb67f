// Pictures of the trainer's parts (switches, lamps, LEDs, buttons, icons and
// the seven-segment module), drawn in twips at the given device pixel ratio so
// they stay crisp on any screen.
#pragma once

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QPixmap>

namespace bench::art {

// Sizes of the pictures, twips.
inline constexpr double kSwitchWidth = 150, kSwitchHeight = 300;
inline constexpr double kLampWidth = 150, kLampHeight = 90;
inline constexpr double kPowerWidth = 315, kPowerHeight = 585;
inline constexpr double kPowerLampWidth = 285, kPowerLampHeight = 255;
inline constexpr double kLedWidth = 240, kLedHeight = 195;
inline constexpr double kPulseWidth = 180, kPulseHeight = 135;
inline constexpr double kStickWidth = 105, kStickHeight = 1200;
inline constexpr double kModuleWidth = 1620, kModuleHeight = 1545;

QPixmap switch_picture(bool up, qreal dpr);            // Kk(0), Kk(1)
QPixmap lamp_picture(bool on, qreal dpr);              // Ll(0), Ll(1)
QPixmap power_switch_picture(bool on, qreal dpr);      // Powerpic(0), Powerpic(1)
QPixmap power_lamp_picture(bool on, qreal dpr);        // LEDPIC(0), LEDPIC(1)
QPixmap led_picture(bool red, qreal dpr);              // yellowLedon, redledon
QPixmap pulse_button_picture(bool positive, qreal dpr);
QPixmap colour_stick_picture(const QColor& colour, qreal dpr);
QPixmap menu_icon(qreal dpr);        // BTmenu, 465 x 465
QPixmap chip_box_icon(qreal dpr);    // ICBUTTON, 450 x 405
QPixmap meter_icon(qreal dpr);       // xiaowanyongbiao
QPixmap scope_icon(qreal dpr);       // xiaoshiboqi
QPixmap module_icon(qreal dpr);      // smg, 360 x 540
QPixmap close_box_picture(qreal dpr);
// smg_board: the two-digit module, copied onto the board at (8910, 2175).
QImage module_picture(qreal dpr);

// The template chip picture, for a chip whose model has no outline file.
QPixmap template_chip_picture(double width, double height, const QString& model, qreal dpr);

QCursor wiring_pointer();

}  // namespace bench::art
