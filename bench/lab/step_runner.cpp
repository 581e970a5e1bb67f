#include "step_runner.h"

#include <sstream>

namespace lab {

std::optional<any_step> parse_any_step(const QString& text) {
    if (const std::optional<step> s = parse_step(text)) return *s;
    if (const std::optional<instrument_step> s = parse_instrument_step(text)) return *s;
    return std::nullopt;
}

bool is_reading(const any_step& s) {
    if (const step* on_bench = std::get_if<step>(&s)) {
        switch (on_bench->kind) {
        case step_kind::leds:
        case step_kind::digits:
        case step_kind::point:
        case step_kind::pin:
        case step_kind::display:
            return true;
        default:
            return false;
        }
    }
    const instrument_step_kind kind = std::get<instrument_step>(s).kind;
    return kind == instrument_step_kind::measure || kind == instrument_step_kind::capture;
}

void step_runner::perform(const any_step& s, std::ostream& out) {
    if (const step* on_bench = std::get_if<step>(&s))
        lab::perform(*on_bench, bench_, out);
    else
        lab::perform(std::get<instrument_step>(s), bench_, tools_, out);
}

std::string step_runner::reading(const any_step& s) {
    std::ostringstream out;
    perform(s, out);
    std::string line = out.str();
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

}  // namespace lab
