// The 31 chip types the system knows. The engine's catalogue table and the
// bench's chip box are both filled from these rows, so model names, pin counts
// and descriptions are defined in this one place.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace lgsim {

struct catalogue_entry {
    std::string_view model;        // upper case
    std::int16_t mount_kind;       // 1: pin rows on consecutive grid rows; 2: five rows apart
    std::int16_t pin_count;
    std::int16_t chip_class;       // 1 combinational, 2 sequential or latching, 4 display
    std::string_view description;  // UTF-8
    std::int16_t category;         // chip box: 1 gates, 2 flip-flops, 3 decoders and counters, 4 others, 0 none
    std::int16_t ground_pin;       // 0 for the display, which needs no power
    std::int16_t supply_pin;
};

inline constexpr std::array<catalogue_entry, 31> kCatalogue{{
    {"74LS00", 1, 14, 1, "四2输入与非门", 1, 7, 14},
    {"74LS02", 1, 14, 1, "四2输入或非门", 1, 7, 14},
    {"74LS04", 1, 14, 1, "六反向器", 1, 7, 14},
    {"74LS08", 1, 14, 1, "四2输入与门", 1, 7, 14},
    {"74LS09", 1, 14, 1, "四2输入与门（OC）", 1, 7, 14},
    {"74LS11", 1, 14, 1, "三3输入与门", 1, 7, 14},
    {"74LS20", 1, 14, 1, "双4输入与非门", 1, 7, 14},
    {"74LS27", 1, 14, 1, "三3输入或非门", 1, 7, 14},
    {"74LS30", 1, 14, 1, "8输入与非门", 1, 7, 14},
    {"74LS32", 1, 14, 1, "四2输入或门", 1, 7, 14},
    {"74LS40", 1, 14, 1, "双4输入与非缓冲器", 1, 7, 14},
    {"74LS47", 1, 16, 1, "七段译码/驱动器", 3, 8, 16},
    {"74LS51", 1, 14, 1, "2-2、3-3输入与或非门", 1, 7, 14},
    {"74LS74", 1, 14, 2, "双上升沿D型触发器", 2, 7, 14},
    {"74LS86", 1, 14, 1, "四2输入异或门", 1, 7, 14},
    {"74LS112", 1, 16, 2, "双下降沿J-K触发器", 2, 8, 16},
    {"74LS125", 1, 14, 1, "四总线缓冲器", 1, 7, 14},
    {"74LS138", 1, 16, 1, "3-8译码器", 3, 8, 16},
    {"74LS148", 1, 16, 1, "8线－3线优先编码器", 3, 8, 16},
    {"74LS151", 2, 16, 1, "8选1数据选择器", 3, 8, 16},
    {"74LS153", 1, 16, 1, "双4选1数据选择器", 3, 8, 16},
    {"74LS160", 1, 16, 2, "四位十进制同步计数器(异步清除)", 4, 8, 16},
    {"74LS183", 1, 14, 1, "双进位全加器", 0, 7, 14},
    {"74LS192", 1, 16, 2, "四位十进制同步加/减计数器", 3, 8, 16},
    {"74LS194", 1, 16, 2, "四位双向移位寄存器", 3, 8, 16},
    {"74LS273", 1, 20, 2, "带清除复位八D触发器", 2, 10, 20},
    {"CD4013", 1, 14, 2, "双D触发器", 2, 7, 14},
    {"CD4027", 1, 16, 2, "双上升沿J-K触发器", 2, 8, 16},
    {"CD4511", 1, 16, 2, "七段译码驱动器", 4, 8, 16},
    {"CD4518", 1, 16, 2, "双BCD同步加计数器", 3, 8, 16},
    {"BS204", 2, 10, 4, "七段数码显示器", 4, 0, 0},
}};

// The catalogue row of a model name compared trimmed and upper-cased, or -1.
int catalogue_row_of(std::string_view model);

}  // namespace lgsim
