// The seven-segment display chip. It needs no power: a segment lights when
// its pin is high and its common is low.
#include "chip_pinout.h"

#include <QtGlobal>

namespace picgen {

const std::vector<chip_pinout>& display_pinouts() {
    static const std::vector<chip_pinout> rows{
        {"BS204",
         {"dp", "c", "g", "b", "COM", "a", "f", "COM", "e", "d"},
         {QT_TRANSLATE_NOOP("pinout", "共阴极七段数码管，不需电源"), QT_TRANSLATE_NOOP("pinout", "段引脚为高电平（1 或 +5V）、"), QT_TRANSLATE_NOOP("pinout", "公共端为低电平（0 或地）时该段点亮"),
          QT_TRANSLATE_NOOP("pinout", "5脚是 dp、c、g、b 的公共端"), QT_TRANSLATE_NOOP("pinout", "8脚是 a、f、e、d 的公共端")},
         {},
         true},
    };
    return rows;
}

}  // namespace picgen
