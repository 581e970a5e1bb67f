#include "bench_circuits.h"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace lgsim::bench {

namespace {

using testing::circuit;

// The nodes of four outputs, weight 1 first.
using nibble = std::array<int, 4>;

struct wiring {
    circuit& c;
    int clock;
    int high;  // a switch up
    int low;   // a switch down

    int out(int chip, int pin) const { return c.node_of(chip, pin); }
    void feed(int chip, std::initializer_list<std::pair<int, int>> pins_and_nodes) {
        for (const auto& [pin, node] : pins_and_nodes) c.connect(chip, pin, node);
    }
    nibble outs(int chip, const std::array<int, 4>& pins) const {
        return {out(chip, pins[0]), out(chip, pins[1]), out(chip, pins[2]), out(chip, pins[3])};
    }
};

wiring start(clocked_circuit& b) {
    b.clock = b.c.new_node();
    b.c.drive_node(b.clock, kLow);
    const int high = b.c.new_node();
    b.c.drive_node(high, kHigh);
    const int low = b.c.new_node();
    b.c.drive_node(low, kLow);
    return {b.c, b.clock, high, low};
}

// A decoder (74LS47 or CD4511) on a BCD code, and a display on its segments.
void add_digit(wiring& w, const char* decoder, const nibble& code) {
    const int dec = w.c.add_powered(decoder);
    w.feed(dec, {{7, code[0]}, {1, code[1]}, {2, code[2]}, {6, code[3]}});
    w.feed(dec, {{3, w.c.supply_node()}, {4, w.c.supply_node()}, {5, w.c.supply_node()}});
    if (std::string(decoder) == "CD4511") w.feed(dec, {{5, w.c.ground_node()}});  // latch open
    const int display = w.c.add_chip("BS204");
    constexpr std::array<int, 7> kSegments{13, 12, 11, 10, 9, 15, 14};  // a..g
    for (int k = 0; k < 7; ++k) w.c.connect(display, k + 1, w.out(dec, kSegments[k]));
    w.feed(display, {{8, w.c.ground_node()}});
}

constexpr std::array<int, 4> k160Count{14, 13, 12, 11};

// Cascaded 74LS160s: each counts when the one before it carries.
std::vector<int> add_decade_counter(wiring& w, int digits) {
    std::vector<int> counters;
    int enable = w.c.supply_node();
    for (int d = 0; d < digits; ++d) {
        const int ctr = w.c.add_powered("74LS160");
        const int supply = w.c.supply_node();
        w.feed(ctr, {{2, w.clock}, {1, supply}, {9, supply}, {7, supply}, {10, enable}});
        for (int data : {3, 4, 5, 6}) w.c.connect(ctr, data, w.c.ground_node());
        enable = w.out(ctr, 15);
        add_digit(w, "74LS47", w.outs(ctr, k160Count));
        counters.push_back(ctr);
    }
    return counters;
}

}  // namespace

clocked_circuit nand_chains(int chips) {
    clocked_circuit b;
    wiring w = start(b);
    std::vector<int> chip(chips);
    for (int& k : chip) k = b.c.add_powered("74LS00");
    for (int k = 0; k < chips; ++k) {
        const int forward_in = k == 0 ? w.clock : w.out(chip[k - 1], 6);
        w.feed(chip[k], {{1, forward_in}, {2, w.high}, {4, w.out(chip[k], 3)}, {5, w.high}});
        const int backward_in = k == chips - 1 ? w.clock : w.out(chip[k + 1], 11);
        w.feed(chip[k], {{9, backward_in}, {10, w.high}, {12, w.out(chip[k], 8)}, {13, w.high}});
    }
    return b;
}

clocked_circuit decade_counter(int digits) {
    clocked_circuit b;
    wiring w = start(b);
    add_decade_counter(w, digits);
    return b;
}

clocked_circuit lab_circuit() {
    clocked_circuit b;
    wiring w = start(b);
    circuit& c = b.c;
    const int supply = c.supply_node();
    const int ground = c.ground_node();

    // Three decades of 74LS160 with decoders and displays: 9 chips.
    const std::vector<int> decades = add_decade_counter(w, 3);
    const nibble units = w.outs(decades[0], k160Count);
    const nibble tens = w.outs(decades[1], k160Count);

    // Two 74LS192 counting up, carry into the next UP: 6 chips.
    std::vector<int> updown;
    int up = w.clock;
    for (int k = 0; k < 2; ++k) {
        const int ctr = c.add_powered("74LS192");
        w.feed(ctr, {{5, up}, {4, w.high}, {14, w.low}, {11, w.high}});
        for (int data : {15, 1, 10, 9}) c.connect(ctr, data, ground);
        up = w.out(ctr, 12);
        add_digit(w, "74LS47", w.outs(ctr, {3, 2, 6, 7}));
        updown.push_back(ctr);
    }
    const nibble updown_units = w.outs(updown[0], {3, 2, 6, 7});

    // A CD4518 as two cascaded decades into CD4511 decoders: 5 chips.
    const int bcd = c.add_powered("CD4518");
    w.feed(bcd, {{1, w.clock}, {2, w.high}, {7, w.low}, {9, w.low}, {15, w.low}});
    c.connect(bcd, 10, w.out(bcd, 6));
    add_digit(w, "CD4511", w.outs(bcd, {3, 4, 5, 6}));
    add_digit(w, "CD4511", w.outs(bcd, {11, 12, 13, 14}));

    // A ripple chain of flip-flops, each stage clocked by the one before: 7 chips.
    int ripple = w.clock;
    std::vector<int> ripple_q;
    for (int k = 0; k < 3; ++k) {
        const int ff = c.add_powered("74LS74");
        w.feed(ff, {{3, ripple}, {2, w.out(ff, 6)}, {4, w.high}, {1, w.high}});
        w.feed(ff, {{11, w.out(ff, 6)}, {12, w.out(ff, 8)}, {10, w.high}, {13, w.high}});
        ripple = w.out(ff, 8);
        ripple_q.push_back(w.out(ff, 5));
        ripple_q.push_back(w.out(ff, 9));
    }
    for (int k = 0; k < 2; ++k) {
        const int ff = c.add_powered("74LS112");
        w.feed(ff, {{1, ripple}, {3, w.high}, {2, w.high}, {4, w.high}, {15, w.high}});
        w.feed(ff, {{13, w.out(ff, 5)}, {11, w.high}, {12, w.high}, {10, w.high}, {14, w.high}});
        ripple = w.out(ff, 9);
        ripple_q.push_back(w.out(ff, 5));
    }
    const int d_cmos = c.add_powered("CD4013");
    w.feed(d_cmos, {{3, ripple}, {5, w.out(d_cmos, 2)}, {6, w.low}, {4, w.low}});
    w.feed(d_cmos, {{11, w.out(d_cmos, 2)}, {9, w.out(d_cmos, 12)}, {8, w.low}, {10, w.low}});
    const int jk_cmos = c.add_powered("CD4027");
    w.feed(jk_cmos, {{13, w.out(d_cmos, 12)}, {10, w.high}, {11, w.high}, {9, w.low}, {12, w.low}});
    w.feed(jk_cmos, {{3, w.out(jk_cmos, 14)}, {6, w.high}, {5, w.high}, {7, w.low}, {4, w.low}});

    // A Johnson counter of two 74LS194 shifting right, closed through an
    // inverter, and two 74LS273 shifting the units bit along: 4 chips, and
    // the inverter among the gates below.
    std::array<int, 2> shift{};
    for (int& r : shift) {
        r = c.add_powered("74LS194");
        w.feed(r, {{11, w.clock}, {1, supply}, {9, w.high}, {10, w.low}, {7, w.low}});
        for (int data : {3, 4, 5, 6}) c.connect(r, data, ground);
    }
    c.connect(shift[1], 2, w.out(shift[0], 12));
    constexpr std::array<int, 8> k273Data{3, 4, 7, 8, 13, 14, 17, 18};
    constexpr std::array<int, 8> k273Q{2, 5, 6, 9, 12, 15, 16, 19};
    int serial = units[0];
    std::array<int, 2> octal{};
    for (int& r : octal) {
        r = c.add_powered("74LS273");
        w.feed(r, {{11, w.clock}, {1, supply}});
        for (int k = 0; k < 8; ++k) {
            c.connect(r, k273Data[k], serial);
            serial = w.out(r, k273Q[k]);
        }
    }

    // Selectors, decoders, an encoder, an adder and bus buffers on the counts: 6 chips.
    const int dec = c.add_powered("74LS138");
    w.feed(dec, {{1, units[0]}, {2, units[1]}, {3, units[2]}, {6, w.high}, {4, w.low}, {5, w.low}});
    const int enc = c.add_powered("74LS148");
    constexpr std::array<int, 8> k138Y{15, 14, 13, 12, 11, 10, 9, 7};
    constexpr std::array<int, 8> k148In{10, 11, 12, 13, 1, 2, 3, 4};
    for (int k = 0; k < 8; ++k) c.connect(enc, k148In[k], w.out(dec, k138Y[k]));
    c.connect(enc, 5, w.low);
    const int sel8 = c.add_powered("74LS151");
    w.feed(sel8, {{11, w.out(shift[0], 15)}, {10, w.out(shift[0], 14)}, {9, w.out(shift[0], 13)},
                  {7, w.low}});
    constexpr std::array<int, 8> k151Data{4, 3, 2, 1, 15, 14, 13, 12};
    for (int k = 0; k < 8; ++k) c.connect(sel8, k151Data[k], w.out(octal[0], k273Q[k]));
    const int sel4 = c.add_powered("74LS153");
    w.feed(sel4, {{14, ripple_q[0]}, {2, ripple_q[1]}, {1, w.low}, {15, w.low}});
    w.feed(sel4, {{6, updown_units[0]}, {5, updown_units[1]}, {4, updown_units[2]}, {3, updown_units[3]}});
    w.feed(sel4, {{10, w.out(bcd, 3)}, {11, w.out(bcd, 4)}, {12, w.out(bcd, 5)}, {13, w.out(bcd, 6)}});
    const int adder = c.add_powered("74LS183");
    w.feed(adder, {{1, units[0]}, {3, updown_units[0]}, {4, w.low}});
    w.feed(adder, {{13, units[1]}, {12, updown_units[1]}, {11, w.out(adder, 5)}});
    const int buffers = c.add_powered("74LS125");
    w.feed(buffers, {{2, tens[0]}, {1, w.low}, {5, tens[1]}, {4, w.high}, {9, tens[2]}, {10, w.low},
                     {12, tens[3]}, {13, w.out(sel8, 5)}});
    c.connect(buffers, 6, w.out(buffers, 3));  // two buffers on one bus line, one of them disabled

    // Gates: 13 chips.
    const int inv = c.add_powered("74LS04");
    w.feed(inv, {{1, w.out(shift[1], 12)}, {3, units[3]}, {5, tens[3]}, {9, w.out(adder, 6)},
                 {11, w.out(enc, 14)}, {13, ripple}});
    c.connect(shift[0], 2, w.out(inv, 2));
    const int latch = c.add_powered("74LS00");  // an RS latch and two decoding gates
    w.feed(latch, {{1, w.low}, {2, w.out(latch, 6)}, {4, w.high}, {5, w.out(latch, 3)}});
    w.feed(latch, {{10, units[0]}, {9, units[3]}, {13, updown_units[0]}, {12, updown_units[3]}});
    std::array<int, 2> xors{};
    for (int k = 0; k < 2; ++k) {
        xors[k] = c.add_powered("74LS86");
        const nibble& a = k == 0 ? units : tens;
        w.feed(xors[k], {{1, a[0]}, {2, updown_units[0]}, {4, a[1]}, {5, updown_units[1]},
                         {9, a[2]}, {10, updown_units[2]}, {12, a[3]}, {13, updown_units[3]}});
    }
    const int equal = c.add_powered("74LS20");  // no bit differs: its outputs stay high
    w.feed(equal, {{1, w.out(xors[0], 3)}, {2, w.out(xors[0], 6)}, {4, w.out(xors[0], 8)},
                   {5, w.out(xors[0], 11)}, {9, w.out(xors[1], 3)}, {10, w.out(xors[1], 6)},
                   {12, w.out(xors[1], 8)}, {13, w.out(xors[1], 11)}});
    const int inv2 = c.add_powered("74LS04");
    w.feed(inv2, {{1, w.out(equal, 6)}, {3, w.out(equal, 8)}, {5, w.out(latch, 8)},
                  {9, w.out(latch, 11)}, {11, w.out(jk_cmos, 15)}, {13, w.out(jk_cmos, 1)}});
    const int and2 = c.add_powered("74LS08");
    w.feed(and2, {{1, ripple_q[0]}, {2, ripple_q[1]}, {4, ripple_q[2]}, {5, ripple_q[3]},
                  {10, ripple_q[4]}, {9, ripple_q[5]}, {13, w.out(and2, 3)}, {12, w.out(and2, 6)}});
    const int or2 = c.add_powered("74LS32");
    w.feed(or2, {{1, w.out(dec, 15)}, {2, w.out(dec, 14)}, {4, w.out(dec, 13)}, {5, w.out(dec, 12)},
                 {10, w.out(or2, 3)}, {9, w.out(or2, 6)}, {13, w.out(enc, 9)}, {12, w.out(enc, 7)}});
    const int nor2 = c.add_powered("74LS02");
    w.feed(nor2, {{2, w.out(and2, 8)}, {3, w.out(or2, 8)}, {5, w.out(nor2, 1)}, {6, w.low},
                  {8, w.out(sel4, 7)}, {9, w.out(sel4, 9)}, {11, w.out(sel8, 6)}, {12, w.out(buffers, 3)}});
    const int and3 = c.add_powered("74LS11");
    w.feed(and3, {{3, units[0]}, {4, units[3]}, {5, tens[0]}, {1, w.out(inv, 4)}, {2, w.out(inv, 6)},
                  {13, w.out(and2, 11)}, {9, w.out(nor2, 4)}, {10, w.out(nor2, 10)}, {11, w.out(nor2, 13)}});
    const int nor3 = c.add_powered("74LS27");
    w.feed(nor3, {{3, w.out(and3, 6)}, {4, w.out(and3, 12)}, {5, w.out(and3, 8)}, {1, w.out(inv2, 2)},
                  {2, w.out(inv2, 4)}, {13, w.out(inv2, 6)}, {9, w.out(inv2, 8)}, {10, w.out(inv2, 10)},
                  {11, w.out(inv2, 12)}});
    const int nand3 = c.add_powered("74LS00");
    w.feed(nand3, {{1, w.out(nor3, 6)}, {2, w.out(nor3, 12)}, {4, w.out(nor3, 8)}, {5, w.out(nand3, 3)},
                   {10, w.out(inv, 8)}, {9, w.out(inv, 10)}, {13, w.out(inv, 12)}, {12, w.out(nand3, 6)}});
    const int nand4 = c.add_powered("74LS00");
    w.feed(nand4, {{1, w.out(nand3, 8)}, {2, w.out(nand3, 11)}, {4, w.out(nand4, 3)}, {5, w.high},
                   {10, w.out(d_cmos, 1)}, {9, w.out(d_cmos, 13)}, {13, w.out(nand4, 8)}, {12, w.high}});
    return b;
}

}  // namespace lgsim::bench
