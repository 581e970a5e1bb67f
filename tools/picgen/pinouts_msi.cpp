// The combinational medium-scale chips: the seven-segment decoders, the
// three-state buffer, decoder, encoder, selectors and the full adder.
#include "chip_pinout.h"

#include <QtGlobal>

namespace picgen {

const std::vector<chip_pinout>& msi_pinouts() {
    static const std::vector<chip_pinout> rows{
        {"74LS47",
         {"B", "C", "/LT", "/BI", "/RBI", "D", "A", "GND", "e", "d", "c", "b", "a", "g", "f", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "七段译码驱动：输入 DCBA（8421码），输出 a～g 为1时该段点亮"),
          QT_TRANSLATE_NOOP("pinout", "0～9 显示数字（6、9 带尾），10～15 显示 A b C d E F"),
          QT_TRANSLATE_NOOP("pinout", "/LT=0：七段全亮（优先于 /BI）；/BI=0：七段全灭"), QT_TRANSLATE_NOOP("pinout", "/RBI（5脚）不起作用")},
         {}},
        {"CD4511",
         {"B", "C", "/LT", "/BI", "LE", "D", "A", "VSS", "e", "d", "c", "b", "a", "g", "f", "VDD"},
         {QT_TRANSLATE_NOOP("pinout", "七段译码锁存驱动：输入 DCBA（8421码），输出 a～g 为1时该段点亮"),
          QT_TRANSLATE_NOOP("pinout", "0～9 显示数字（6、9 不带尾），10～15 不显示"),
          QT_TRANSLATE_NOOP("pinout", "/BI=0：七段全灭（优先于 /LT）；/LT=0：七段全亮"),
          QT_TRANSLATE_NOOP("pinout", "LE=0：译码当前输入；LE=1（或悬空）：保持锁存的数字"),
          QT_TRANSLATE_NOOP("pinout", "DCBA 接 +5V 端为1，悬空按0处理")},
         {}},
        {"74LS125",
         {"1/OE", "1A", "1Y", "2/OE", "2A", "2Y", "GND", "3Y", "3A", "3/OE", "4Y", "4A", "4/OE", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "四个独立的三态缓冲器"), QT_TRANSLATE_NOOP("pinout", "/OE=0：Y = A"), QT_TRANSLATE_NOOP("pinout", "/OE=1（或悬空）：Y 为高阻（断开）")},
         {"/OE|A|Y", "0|0|0", "0|1|1", QT_TRANSLATE_NOOP("pinout", "1|×|高阻")}},
        {"74LS138",
         {"A", "B", "C", "/G2A", "/G2B", "G1", "/Y7", "GND", "/Y6", "/Y5", "/Y4", "/Y3", "/Y2", "/Y1", "/Y0",
          "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "3线-8线译码器，输出低电平有效"), QT_TRANSLATE_NOOP("pinout", "G1=1 且 /G2A=/G2B=0 时："), QT_TRANSLATE_NOOP("pinout", "/Yk = 0（k = 4C+2B+A），其余输出为1"),
          QT_TRANSLATE_NOOP("pinout", "否则 8 个输出全为1")},
         {QT_TRANSLATE_NOOP("pinout", "G1|/G2A|/G2B|C B A|输出"), QT_TRANSLATE_NOOP("pinout", "0|×|×|× × ×|全为1"), QT_TRANSLATE_NOOP("pinout", "×|1|×|× × ×|全为1"), QT_TRANSLATE_NOOP("pinout", "×|×|1|× × ×|全为1"),
          "1|0|0|0 0 0|/Y0=0", "1|0|0|0 0 1|/Y1=0", QT_TRANSLATE_NOOP("pinout", "1|0|0|…|…"), "1|0|0|1 1 1|/Y7=0"}},
        {"74LS148",
         {"/I4", "/I5", "/I6", "/I7", "/EI", "/A2", "/A1", "GND", "/A0", "/I0", "/I1", "/I2", "/I3", "/GS", "/EO",
          "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "8线-3线优先编码器，输入、输出均为低电平有效"), QT_TRANSLATE_NOOP("pinout", "/EI=1：输出全为1"),
          QT_TRANSLATE_NOOP("pinout", "/EI=0：取为0的最高位输入 /Ik，"), QT_TRANSLATE_NOOP("pinout", "/A2 /A1 /A0 = k 的反码，/GS=0，/EO=1"),
          QT_TRANSLATE_NOOP("pinout", "/EI=0 且输入全为1：/GS=1，/EO=0")},
         {QT_TRANSLATE_NOOP("pinout", "/EI|输入|/A2 /A1 /A0|/GS|/EO"), QT_TRANSLATE_NOOP("pinout", "1|×|1 1 1|1|1"), QT_TRANSLATE_NOOP("pinout", "0|全为1|1 1 1|1|0"), "0|/I7=0|0 0 0|0|1",
          QT_TRANSLATE_NOOP("pinout", "0|/I6=0，/I7=1|0 0 1|0|1"), QT_TRANSLATE_NOOP("pinout", "0|…|…|0|1"), QT_TRANSLATE_NOOP("pinout", "0|只有 /I0=0|1 1 1|0|1")}},
        {"74LS151",
         {"D3", "D2", "D1", "D0", "Y", "W", "/G", "GND", "C", "B", "A", "D7", "D6", "D5", "D4", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "8选1数据选择器"), QT_TRANSLATE_NOOP("pinout", "/G=0：Y = Dk（k = 4C+2B+A），W = /Y"), QT_TRANSLATE_NOOP("pinout", "/G=1（或悬空）：Y=0，W=1")},
         {"/G|C B A|Y|W", QT_TRANSLATE_NOOP("pinout", "1|× × ×|0|1"), "0|0 0 0|D0|/D0", "0|0 0 1|D1|/D1", QT_TRANSLATE_NOOP("pinout", "0|…|…|…"), "0|1 1 1|D7|/D7"}},
        {"74LS153",
         {"1/G", "B", "1C3", "1C2", "1C1", "1C0", "1Y", "GND", "2Y", "2C0", "2C1", "2C2", "2C3", "A", "2/G",
          "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "双4选1数据选择器，A、B 为两组共用的选择端"), QT_TRANSLATE_NOOP("pinout", "n/G=0：nY = nCk（k = 2B+A）"), QT_TRANSLATE_NOOP("pinout", "n/G=1（或悬空）：nY = 0")},
         {"n/G|B|A|nY", QT_TRANSLATE_NOOP("pinout", "1|×|×|0"), "0|0|0|nC0", "0|0|1|nC1", "0|1|0|nC2", "0|1|1|nC3"}},
        {"74LS183",
         {"1A", "NC", "1B", "1CI", "1CO", "1S", "GND", "2S", "NC", "2CO", "2CI", "2B", "2A", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的一位全加器"), QT_TRANSLATE_NOOP("pinout", "CI 进位输入，S 和，CO 进位输出"), QT_TRANSLATE_NOOP("pinout", "S = A⊕B⊕CI"),
          QT_TRANSLATE_NOOP("pinout", "CO = A·B + A·CI + B·CI"), QT_TRANSLATE_NOOP("pinout", "NC：空脚")},
         {"A|B|CI|S|CO", "0|0|0|0|0", "0|0|1|1|0", "0|1|0|1|0", "0|1|1|0|1", "1|0|0|1|0", "1|0|1|0|1",
          "1|1|0|0|1", "1|1|1|1|1"}},
    };
    return rows;
}

}  // namespace picgen
