// The clocked chips: flip-flops, counters and registers. Several of their
// control inputs act only on the codes a switch or a chip output drives, not
// on the supply and ground terminals; the lines say so where it matters.
#include "chip_pinout.h"

#include <QtGlobal>

namespace picgen {

const std::vector<chip_pinout>& sequential_pinouts() {
    static const std::vector<chip_pinout> rows{
        {"74LS74",
         {"1/CLR", "1D", "1CLK", "1/PRE", "1Q", "1/Q", "GND", "2/Q", "2Q", "2/PRE", "2CLK", "2D", "2/CLR", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的上升沿 D 触发器"), QT_TRANSLATE_NOOP("pinout", "/PRE、/CLR 低电平有效：直接置1、清0"), QT_TRANSLATE_NOOP("pinout", "两者同时为0时清0优先"),
          QT_TRANSLATE_NOOP("pinout", "CLK 上升沿时 Q 取 D 的值（D 须在上升沿之前稳定）")},
         {"/PRE|/CLR|CLK|D|Q|/Q", QT_TRANSLATE_NOOP("pinout", "0|1|×|×|1|0"), QT_TRANSLATE_NOOP("pinout", "1|0|×|×|0|1"), QT_TRANSLATE_NOOP("pinout", "0|0|×|×|0|1"), QT_TRANSLATE_NOOP("pinout", "1|1|↑|1|1|0"), QT_TRANSLATE_NOOP("pinout", "1|1|↑|0|0|1"),
          QT_TRANSLATE_NOOP("pinout", "1|1|其它|×|不变|不变")}},
        {"74LS112",
         {"1CLK", "1K", "1J", "1/PRE", "1Q", "1/Q", "2/Q", "GND", "2Q", "2/PRE", "2J", "2K", "2CLK", "2/CLR",
          "1/CLR", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的下降沿 J-K 触发器"), QT_TRANSLATE_NOOP("pinout", "/PRE、/CLR 低电平有效：直接置1、清0"), QT_TRANSLATE_NOOP("pinout", "两者同时为0时清0优先"),
          QT_TRANSLATE_NOOP("pinout", "CLK 下降沿时按 J、K 动作，/Q 总是 Q 的反")},
         {"/PRE|/CLR|CLK|J|K|Q", QT_TRANSLATE_NOOP("pinout", "0|1|×|×|×|1"), QT_TRANSLATE_NOOP("pinout", "1|0|×|×|×|0"), QT_TRANSLATE_NOOP("pinout", "1|1|↓|0|0|不变"), QT_TRANSLATE_NOOP("pinout", "1|1|↓|0|1|0"), QT_TRANSLATE_NOOP("pinout", "1|1|↓|1|0|1"),
          QT_TRANSLATE_NOOP("pinout", "1|1|↓|1|1|翻转"), QT_TRANSLATE_NOOP("pinout", "1|1|其它|×|×|不变")}},
        {"CD4013",
         {"Q1", "/Q1", "CLK1", "RESET1", "D1", "SET1", "VSS", "SET2", "D2", "RESET2", "CLK2", "/Q2", "Q2", "VDD"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的上升沿 D 触发器"), QT_TRANSLATE_NOOP("pinout", "SET、RESET 高电平有效，悬空也算有效，不用时接低电平"),
          QT_TRANSLATE_NOOP("pinout", "CLK 上升沿时 Q 取 D 的值（D 须在上升沿之前稳定）")},
         {"SET|RESET|CLK|D|Q|/Q", QT_TRANSLATE_NOOP("pinout", "1|0|×|×|1|0"), QT_TRANSLATE_NOOP("pinout", "0|1|×|×|0|1"), QT_TRANSLATE_NOOP("pinout", "1|1|×|×|1|1"), QT_TRANSLATE_NOOP("pinout", "0|0|↑|1|1|0"), QT_TRANSLATE_NOOP("pinout", "0|0|↑|0|0|1"),
          QT_TRANSLATE_NOOP("pinout", "0|0|其它|×|不变|不变")}},
        {"CD4027",
         {"Q2", "/Q2", "CLK2", "RESET2", "K2", "J2", "SET2", "VSS", "SET1", "J1", "K1", "RESET1", "CLK1", "/Q1", "Q1",
          "VDD"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的上升沿 J-K 触发器"), QT_TRANSLATE_NOOP("pinout", "SET、RESET 高电平有效，悬空也算有效，不用时接低电平"),
          QT_TRANSLATE_NOOP("pinout", "CLK 上升沿时按 J、K 动作")},
         {"SET|RESET|CLK|J|K|Q|/Q", QT_TRANSLATE_NOOP("pinout", "1|0|×|×|×|1|0"), QT_TRANSLATE_NOOP("pinout", "0|1|×|×|×|0|1"), QT_TRANSLATE_NOOP("pinout", "1|1|×|×|×|1|1"), QT_TRANSLATE_NOOP("pinout", "0|0|↑|0|0|不变|不变"),
          QT_TRANSLATE_NOOP("pinout", "0|0|↑|0|1|0|1"), QT_TRANSLATE_NOOP("pinout", "0|0|↑|1|0|1|0"), QT_TRANSLATE_NOOP("pinout", "0|0|↑|1|1|翻转|翻转"), QT_TRANSLATE_NOOP("pinout", "0|0|其它|×|×|不变|不变")}},
        {"74LS160",
         {"/CLR", "CLK", "A", "B", "C", "D", "ENP", "GND", "/LOAD", "ENT", "QD", "QC", "QB", "QA", "RCO", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "同步十进制计数器，QD QC QB QA 为 8421 码"), QT_TRANSLATE_NOOP("pinout", "/CLR=0：立即清零（异步清除）"),
          QT_TRANSLATE_NOOP("pinout", "/LOAD=0：CLK 上升沿置入 D C B A"), QT_TRANSLATE_NOOP("pinout", "ENP=ENT=1：CLK 上升沿加1，0→9→0"), QT_TRANSLATE_NOOP("pinout", "计到9且 ENT=1 时 RCO=1"),
          QT_TRANSLATE_NOOP("pinout", "/CLR、/LOAD 接地端为0，悬空时不起作用")},
         {QT_TRANSLATE_NOOP("pinout", "/CLR|/LOAD|ENP|ENT|CLK|功能"), QT_TRANSLATE_NOOP("pinout", "0|×|×|×|×|清零"), QT_TRANSLATE_NOOP("pinout", "1|0|×|×|↑|置数"), QT_TRANSLATE_NOOP("pinout", "1|1|1|1|↑|加1计数"),
          QT_TRANSLATE_NOOP("pinout", "1|1|0|×|×|保持"), QT_TRANSLATE_NOOP("pinout", "1|1|×|0|×|保持")}},
        {"74LS192",
         {"B", "QB", "QA", "DOWN", "UP", "QC", "QD", "GND", "D", "C", "/LOAD", "/CO", "/BO", "CLR", "A", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "同步十进制加/减计数器，QD QC QB QA 为 8421 码"), QT_TRANSLATE_NOOP("pinout", "CLR=1：清零；/LOAD=0：立即置入 D C B A"),
          QT_TRANSLATE_NOOP("pinout", "DOWN=1 时 UP 上升沿加1；UP=1 时 DOWN 上升沿减1"), QT_TRANSLATE_NOOP("pinout", "/CO：计到9时随 UP 变低"),
          QT_TRANSLATE_NOOP("pinout", "/BO：计到0时随 DOWN 变低"), QT_TRANSLATE_NOOP("pinout", "控制端接 +5V 端为1、接地端为0，悬空时不起作用")},
         {QT_TRANSLATE_NOOP("pinout", "CLR|/LOAD|UP|DOWN|功能"), QT_TRANSLATE_NOOP("pinout", "1|×|×|×|清零"), QT_TRANSLATE_NOOP("pinout", "0|0|×|×|置数"), QT_TRANSLATE_NOOP("pinout", "0|1|↑|1|加1计数"), QT_TRANSLATE_NOOP("pinout", "0|1|1|↑|减1计数"),
          QT_TRANSLATE_NOOP("pinout", "0|1|1|1|保持")}},
        {"CD4518",
         {"CLOCK A", "ENABLE A", "Q1A", "Q2A", "Q3A", "Q4A", "RESET A", "VSS", "CLOCK B", "ENABLE B", "Q1B", "Q2B",
          "Q3B", "Q4B", "RESET B", "VDD"},
         {QT_TRANSLATE_NOOP("pinout", "两个独立的同步 BCD 加计数器，Q4～Q1 为 8421 码"), QT_TRANSLATE_NOOP("pinout", "RESET=1：清零"),
          QT_TRANSLATE_NOOP("pinout", "ENABLE=1 时 CLOCK 上升沿加1"), QT_TRANSLATE_NOOP("pinout", "CLOCK=0 时 ENABLE 下降沿加1"), QT_TRANSLATE_NOOP("pinout", "0→9→0"),
          QT_TRANSLATE_NOOP("pinout", "RESET、ENABLE 接 +5V 端为1、接地端为0")},
         {QT_TRANSLATE_NOOP("pinout", "RESET|CLOCK|ENABLE|功能"), QT_TRANSLATE_NOOP("pinout", "1|×|×|清零"), QT_TRANSLATE_NOOP("pinout", "0|↑|1|加1计数"), QT_TRANSLATE_NOOP("pinout", "0|0|↓|加1计数"), QT_TRANSLATE_NOOP("pinout", "0|↓|×|保持"),
          QT_TRANSLATE_NOOP("pinout", "0|×|↑|保持")}},
        {"74LS194",
         {"/CLR", "SR", "A", "B", "C", "D", "SL", "GND", "S0", "S1", "CLK", "QD", "QC", "QB", "QA", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "四位双向移位寄存器"), QT_TRANSLATE_NOOP("pinout", "/CLR=0：立即清零"), QT_TRANSLATE_NOOP("pinout", "S1 S0 选择工作方式，CLK 上升沿动作"),
          QT_TRANSLATE_NOOP("pinout", "右移：SR→QA→QB→QC→QD"), QT_TRANSLATE_NOOP("pinout", "左移：SL→QD→QC→QB→QA"),
          QT_TRANSLATE_NOOP("pinout", "S1、S0 接 +5V 端为1、接地端为0，悬空时保持")},
         {QT_TRANSLATE_NOOP("pinout", "/CLR|S1|S0|CLK|功能"), QT_TRANSLATE_NOOP("pinout", "0|×|×|×|清零"), QT_TRANSLATE_NOOP("pinout", "1|1|1|↑|并行置数"), QT_TRANSLATE_NOOP("pinout", "1|0|1|↑|右移"), QT_TRANSLATE_NOOP("pinout", "1|1|0|↑|左移"),
          QT_TRANSLATE_NOOP("pinout", "1|0|0|×|保持")}},
        {"74LS273",
         {"/CLR", "Q1", "D1", "D2", "Q2", "Q3", "D3", "D4", "Q4", "GND", "CLK", "Q5", "D5", "D6", "Q6", "Q7", "D7", "D8",
          "Q8", "VCC"},
         {QT_TRANSLATE_NOOP("pinout", "八D触发器，共用时钟和清零"), QT_TRANSLATE_NOOP("pinout", "/CLR=0：Q1～Q8 立即清零"),
          QT_TRANSLATE_NOOP("pinout", "CLK 上升沿时 Qn 取 Dn 的值（D 须在上升沿之前稳定）")},
         {"/CLR|CLK|Dn|Qn", QT_TRANSLATE_NOOP("pinout", "0|×|×|0"), QT_TRANSLATE_NOOP("pinout", "1|↑|1|1"), QT_TRANSLATE_NOOP("pinout", "1|↑|0|0"), QT_TRANSLATE_NOOP("pinout", "1|其它|×|不变")}},
    };
    return rows;
}

}  // namespace picgen
