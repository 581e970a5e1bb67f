// Places and sizes of the main window's controls, twips, relative to their container.
// The form is the board with its margins; the window shows it at its view's
// scale, with the status line below it.
#pragma once

namespace bench::layout {

struct box {
    double left, top, width, height;
};

inline constexpr double kFormWidth = 11700, kFormHeight = 7755;
// The whole window as it was laid out before it could be resized: the least
// size it starts at.
inline constexpr double kOldFormWidth = 11700, kOldFormHeight = 8190;
inline constexpr box kBoard{720, 210, 10600, 7335};
inline constexpr box kMenuButton{120, 240, 465, 465};
inline constexpr box kHelpLabel{136, 960, 495, 375};
inline constexpr box kChipBoxButton{150, 2340, 450, 405};
inline constexpr box kChipBox{2640, 3000, 3360, 6375};
inline constexpr box kChipTemplate{0, 0, 990, 375};
inline constexpr double kStickLefts[6] = {8520, 8715, 8910, 9090, 9285, 9480};
inline constexpr double kStickTop = 0;
// The sticks hang in their tray and end above the top breadboard's holes.
inline constexpr double kStickWidth = 105, kStickHeight = 520;
inline constexpr box kPowerSwitch{1530, 6390, 315, 585};
inline constexpr box kPowerLamp{1875, 6520, 285, 255};
inline constexpr double kSwitchTop = 6720, kLampTop = 6630, kSwitchLeft = 2835, kSwitchStep = 296;
inline constexpr double kLedTop = 300, kLedLeft = 2700, kLedStep = 296;
inline constexpr box kPulseButtons[2] = {{8100, 6780, 180, 135}, {8370, 6780, 180, 135}};
inline constexpr box kModuleIcon{9840, 1560, 360, 540};
inline constexpr double kModuleLeft = 8910, kModuleTop = 2175;
// The rate controls: `Label2`, `speed`, the clock's frequency and `FEQ`, left
// to right in this strip (laid out by rate_strip_layout).
inline constexpr box kRateStrip{7320, 7035, 3130, 255};
inline constexpr box kCircuitName{720, 7035, 4695, 255};
inline constexpr box kMeterIcon{9900, 585, 465, 510};
inline constexpr box kScopeIcon{9840, 1140, 540, 420};

}  // namespace bench::layout
