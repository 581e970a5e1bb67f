#include "expected_output.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace lab {

namespace {

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool word_matches(std::string_view expected, std::string_view got) {
    if (expected.size() != got.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == 'x' ? got[i] != '0' && got[i] != '1' : expected[i] != got[i]) return false;
    }
    return true;
}

bool levels(std::string_view word, std::size_t count) {
    return word.size() == count && word.find_first_not_of("01x") == std::string_view::npos;
}

std::optional<long> integer(std::string_view word) {
    long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

bool code_or_x(std::string_view word) { return word == "x" || integer(word).has_value(); }

bool number(std::string_view word) {
    const std::string text(word);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(value);
}

bool same_number(std::string_view word, int value) { return integer(word) == value; }

}  // namespace

std::string single_spaced(std::string_view text) {
    std::string joined;
    for (const std::string_view word : words_of(text)) {
        if (!joined.empty()) joined += ' ';
        joined += word;
    }
    return joined;
}

bool output_matches(std::string_view expected, std::string_view got) {
    const std::vector<std::string_view> want = words_of(expected), have = words_of(got);
    if (want.size() != have.size()) return false;
    for (std::size_t i = 0; i < want.size(); ++i)
        if (!word_matches(want[i], have[i])) return false;
    return true;
}

bool fits_reading(const any_step& reading, std::string_view expected) {
    const std::vector<std::string_view> w = words_of(expected);
    if (const instrument_step* tool = std::get_if<instrument_step>(&reading)) {
        if (tool->kind == instrument_step_kind::measure) return w.size() == 2 && w[0] == "meter" && number(w[1]);
        return w.size() == 3 && w[0] == "capture" && integer(w[1]) && (w[2] == "-" || number(w[2]));
    }
    const step& s = std::get<step>(reading);
    switch (s.kind) {
    case step_kind::leds:
        return w.size() == 2 && w[0] == "leds" && levels(w[1], 16);
    case step_kind::digits:
        return w.size() == 3 && w[0] == "digits" && levels(w[1], 8) && levels(w[2], 8);
    case step_kind::display:
        return w.size() == 3 && w[0] == "display" && same_number(w[1], s.first) &&
               (w[2] == "-" || levels(w[2], 8));
    case step_kind::point:
    case step_kind::pin:
        return w.size() == 4 && w[0] == (s.kind == step_kind::point ? "point" : "pin") &&
               same_number(w[1], s.first) && same_number(w[2], s.second) && code_or_x(w[3]);
    default:
        return false;
    }
}

}  // namespace lab
