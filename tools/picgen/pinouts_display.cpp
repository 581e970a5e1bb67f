// The seven-segment display chip. It needs no power: a segment lights when
// its pin is high and its common is low.
#include "chip_pinout.h"

namespace picgen {

const std::vector<chip_pinout>& display_pinouts() {
    static const std::vector<chip_pinout> rows{
        {"BS204",
         {"dp", "c", "g", "b", "COM", "a", "f", "COM", "e", "d"},
         {"共阴极七段数码管，不需电源", "段引脚为高电平（1 或 +5V）、", "公共端为低电平（0 或地）时该段点亮",
          "5脚是 dp、c、g、b 的公共端", "8脚是 a、f、e、d 的公共端"},
         {},
         true},
    };
    return rows;
}

}  // namespace picgen
