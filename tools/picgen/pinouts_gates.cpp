// The plain gate packages: all fourteen pins, ground on 7, supply on 14.
#include "chip_pinout.h"

#include <QtGlobal>

namespace picgen {

const std::vector<chip_pinout>& gate_pinouts() {
    // The quad two-input, triple three-input and dual four-input packages
    // each share one pin-out.
    static const std::vector<std::string_view> quad_two_input{
        "1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"};
    static const std::vector<std::string_view> triple_three_input{
        "1A", "1B", "2A", "2B", "2C", "2Y", "GND", "3Y", "3A", "3B", "3C", "1Y", "1C", "VCC"};
    static const std::vector<std::string_view> dual_four_input{
        "1A", "1B", "NC", "1C", "1D", "1Y", "GND", "2Y", "2A", "2B", "NC", "2C", "2D", "VCC"};

    static const std::vector<chip_pinout> rows{
        {"74LS00", quad_two_input,
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入与非门"), QT_TRANSLATE_NOOP("pinout", "Y = /(A·B)：输入全为1时输出0，否则输出1")},
         {"A|B|Y", "0|0|1", "0|1|1", "1|0|1", "1|1|0"}},
        {"74LS02",
         {"1Y", "1A", "1B", "2Y", "2A", "2B", "GND", "3A", "3B", "3Y", "4A", "4B", "4Y", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入或非门"), QT_TRANSLATE_NOOP("pinout", "Y = /(A+B)：输入有1时输出0，全为0时输出1")},
         {"A|B|Y", "0|0|1", "0|1|0", "1|0|0", "1|1|0"}},
        {"74LS04",
         {"1A", "1Y", "2A", "2Y", "3A", "3Y", "GND", "4Y", "4A", "5Y", "5A", "6Y", "6A", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "六个独立的反相器"), QT_TRANSLATE_NOOP("pinout", "Y = /A：输入为1时输出0，输入为0时输出1")},
         {"A|Y", "0|1", "1|0"}},
        {"74LS08", quad_two_input,
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入与门"), QT_TRANSLATE_NOOP("pinout", "Y = A·B：输入全为1时输出1，否则输出0")},
         {"A|B|Y", "0|0|0", "0|1|0", "1|0|0", "1|1|1"}},
        {"74LS09", quad_two_input,
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入与门，集电极开路（OC）输出"), QT_TRANSLATE_NOOP("pinout", "Y = A·B：输入全为1时输出1，否则输出0"),
          QT_TRANSLATE_NOOP("pinout", "在本实验台上 OC 输出不需外接上拉电阻")},
         {"A|B|Y", "0|0|0", "0|1|0", "1|0|0", "1|1|1"}},
        {"74LS11", triple_three_input,
         {QT_TRANSLATE_NOOP("pinout", "三个独立的3输入与门"), QT_TRANSLATE_NOOP("pinout", "Y = A·B·C：输入全为1时输出1，否则输出0")},
         {}},
        {"74LS20", dual_four_input,
         {QT_TRANSLATE_NOOP("pinout", "两个独立的4输入与非门"), QT_TRANSLATE_NOOP("pinout", "Y = /(A·B·C·D)：输入全为1时输出0，否则输出1"), QT_TRANSLATE_NOOP("pinout", "NC：空脚")},
         {}},
        {"74LS27", triple_three_input,
         {QT_TRANSLATE_NOOP("pinout", "三个独立的3输入或非门"), QT_TRANSLATE_NOOP("pinout", "Y = /(A+B+C)：输入有1时输出0，全为0时输出1")},
         {}},
        {"74LS30",
         {"A", "B", "C", "D", "E", "F", "GND", "Y", "NC", "NC", "G", "H", "NC", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "一个8输入与非门"), QT_TRANSLATE_NOOP("pinout", "Y = /(A·B·C·D·E·F·G·H)"), QT_TRANSLATE_NOOP("pinout", "输入全为1时输出0，否则输出1"), QT_TRANSLATE_NOOP("pinout", "NC：空脚")},
         {}},
        {"74LS32", quad_two_input,
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入或门"), QT_TRANSLATE_NOOP("pinout", "Y = A+B：输入有1时输出1，全为0时输出0")},
         {"A|B|Y", "0|0|0", "0|1|1", "1|0|1", "1|1|1"}},
        {"74LS40", dual_four_input,
         {QT_TRANSLATE_NOOP("pinout", "两个独立的4输入与非缓冲器"), QT_TRANSLATE_NOOP("pinout", "Y = /(A·B·C·D)：输入全为1时输出0，否则输出1"), QT_TRANSLATE_NOOP("pinout", "NC：空脚")},
         {}},
        {"74LS51",
         {"1A", "2A", "2B", "2C", "2D", "2Y", "GND", "1Y", "1D", "1E", "1F", "1B", "1C", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "两个与或非门"), QT_TRANSLATE_NOOP("pinout", "1Y = /(1A·1B·1C + 1D·1E·1F)"), QT_TRANSLATE_NOOP("pinout", "2Y = /(2A·2B + 2C·2D)"),
          QT_TRANSLATE_NOOP("pinout", "任一与项的输入全为1时输出0，否则输出1")},
         {}},
        {"74LS86", quad_two_input,
         {QT_TRANSLATE_NOOP("pinout", "四个独立的2输入异或门"), QT_TRANSLATE_NOOP("pinout", "Y = A⊕B：两输入不同时输出1，相同时输出0")},
         {"A|B|Y", "0|0|0", "0|1|1", "1|0|1", "1|1|0"}},
    };
    return rows;
}

}  // namespace picgen
