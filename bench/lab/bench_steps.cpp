#include "bench_steps.h"

#include <QStringList>

#include "display_geometry.h"

namespace lab {

namespace {

std::optional<int> number_in(const QString& word, int lowest, int highest) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < lowest || value > highest) return std::nullopt;
    return value;
}

constexpr int kMostTicks = 100000000;
constexpr int kMostChips = bench::kMaxNodeNumber;

char lit(bool on) { return on ? '1' : '0'; }

}  // namespace

std::optional<step> parse_step(const QString& text) {
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return std::nullopt;
    const QString& name = words[0];
    const auto argument = [&](int i, int lowest, int highest) -> std::optional<int> {
        return i < words.size() ? number_in(words[i], lowest, highest) : std::nullopt;
    };
    const auto with = [&](step_kind kind, int count, std::optional<int> a,
                          std::optional<int> b) -> std::optional<step> {
        if (words.size() != count + 1 || (count >= 1 && !a) || (count >= 2 && !b)) return std::nullopt;
        return step{kind, a.value_or(0), b.value_or(0)};
    };

    if (name == u"power") {
        if (words.size() != 2 || (words[1] != u"on" && words[1] != u"off")) return std::nullopt;
        return step{step_kind::power, words[1] == u"on" ? 1 : 0, 0};
    }
    if (name == u"switch")
        return with(step_kind::toggle_switch, 2, argument(1, 0, bench::kSwitchCount - 1), argument(2, 0, 1));
    if (name == u"tick") {
        if (words.size() == 1) return step{step_kind::tick, 0, 1};
        const auto count = with(step_kind::tick, 1, argument(1, 0, kMostTicks), std::nullopt);
        if (!count) return std::nullopt;
        return step{step_kind::tick, 0, count->first};
    }
    if (name == u"press") return with(step_kind::press, 1, argument(1, 0, 1), std::nullopt);
    if (name == u"release") return with(step_kind::release, 1, argument(1, 0, 1), std::nullopt);
    if (name == u"pulse") return with(step_kind::pulse, 1, argument(1, 0, 1), std::nullopt);
    if (name == u"leds") return with(step_kind::leds, 0, std::nullopt, std::nullopt);
    if (name == u"digits") return with(step_kind::digits, 0, std::nullopt, std::nullopt);
    if (name == u"point")
        return with(step_kind::point, 2, argument(1, 0, bench::kGridRows - 1),
                    argument(2, 0, bench::kGridColumns - 1));
    if (name == u"pin")
        return with(step_kind::pin, 2, argument(1, 1, kMostChips), argument(2, 1, lgsim::kMaxPinNumber));
    if (name == u"display") return with(step_kind::display, 1, argument(1, 1, kMostChips), std::nullopt);
    return std::nullopt;
}

void perform(const step& s, bench::bench_model& bench, std::ostream& out) {
    switch (s.kind) {
    case step_kind::power:
        if (bench.power_on() != (s.first == 1)) bench.press_power();
        break;
    case step_kind::toggle_switch:
        if (bench.switch_state(s.first) != s.second) bench.press_switch(s.first);
        break;
    case step_kind::tick:
        for (int i = 0; i < s.second; ++i) bench.clock_tick();
        break;
    case step_kind::press:
        bench.press_pulse(s.first);
        break;
    case step_kind::release:
        bench.release_pulse(s.first);
        break;
    case step_kind::pulse:
        bench.press_pulse(s.first);
        bench.release_pulse(s.first);
        break;
    case step_kind::leds: {
        std::string pattern;
        for (int k = 0; k < bench::kLedCount; ++k) pattern += lit(bench.led_shown(k));
        out << "leds " << pattern << '\n';
        break;
    }
    case step_kind::digits: {
        out << "digits ";
        for (int digit = 1; digit <= 2; ++digit) {
            for (int c = bench::kFirstSegmentColumn; c <= bench::kLastSegmentColumn; ++c)
                out << lit(bench.module_segment(digit, c) == bench::segment_look::lit);
            out << (digit == 1 ? ' ' : '\n');
        }
        break;
    }
    case step_kind::point:
        out << "point " << s.first << ' ' << s.second << ' ' << bench.read_point(s.first, s.second) << '\n';
        break;
    case step_kind::pin:
        out << "pin " << s.first << ' ' << s.second << ' ' << bench.pin_reading(s.second, s.first) << '\n';
        break;
    case step_kind::display: {
        // In the order of the module's segment columns, as `digits` prints them.
        out << "display " << s.first << ' ';
        if (s.first > bench.chip_count() || bench.chip_at(s.first).chip_class != 4) {
            out << "-\n";
            break;
        }
        const bench::chip& c = bench.chip_at(s.first);
        for (const bench::display_segment& segment : bench::kDisplayChipSegments)
            out << lit(c.segments[segment.pin] == bench::segment_look::lit);
        out << '\n';
        break;
    }
    }
}

}  // namespace lab
