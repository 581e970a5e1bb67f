#include "circuit_words.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "bench_model.h"
#include "board_geometry.h"

namespace cirtool {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct named_point {
    std::string_view name;
    grid_point point;
};

constexpr std::array<std::string_view, 8> kSegmentNames{"a", "b", "c", "d", "e", "f", "g", "dp"};

// Terminals that are not a switch or an LED.
constexpr std::array<named_point, 7> kNamedPoints{{
    {"clock", {bench::kTerminalRow, bench::kClockColumn}},
    {"pulse0", {bench::kTerminalRow, bench::kPulse0Column}},
    {"pulse1", {bench::kTerminalRow, bench::kPulse1Column}},
    {"vcc", {bench::kTerminalRow, bench::kSupplyColumn}},
    {"gnd", {bench::kTerminalRow, bench::kGroundColumn}},
    {"com1", {bench::kLedRow, bench::kDigit1CommonColumn}},
    {"com2", {bench::kLedRow, bench::kDigit2CommonColumn}},
}};

struct named_colour {
    std::string_view name;
    bench::rgb_colour colour;
};

// The six colour sticks, the colour before any stick is taken, and two more
// for telling signals apart.
constexpr std::array<named_colour, 9> kNamedColours{{
    {"red", bench::rgb(255, 0, 0)},
    {"black", bench::kWireStickColours[1]},
    {"pink", bench::kWireStickColours[0]},
    {"blue", bench::kWireStickColours[2]},
    {"green", bench::kWireStickColours[3]},
    {"lime", bench::kWireStickColours[4]},
    {"purple", bench::kWireStickColours[5]},
    {"orange", bench::rgb(255, 128, 0)},
    {"salmon", bench::kStartWireColour},
}};

std::optional<int> indexed_name(std::string_view word, std::string_view prefix, int count) {
    if (word.substr(0, prefix.size()) != prefix) return std::nullopt;
    const std::string_view digits = word.substr(prefix.size());
    // No sign and no leading zero: each point has exactly one name.
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
    return number_from_word(digits, 0, count - 1);
}

}  // namespace

split_line split_words(std::string_view line) {
    split_line result;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i >= line.size()) break;
        const bool starts_comment =
            line[i] == '#' && (result.words.empty() || i + 1 == line.size() || is_blank(line[i + 1]));
        if (starts_comment) break;
        std::string word;
        while (i < line.size() && !is_blank(line[i])) {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            ++i;  // the opening quote
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word += c;
                    continue;
                }
                if (i >= line.size()) break;
                const char escaped = line[i++];
                if (escaped == '"' || escaped == '\\') {
                    word += escaped;
                } else if (escaped == 'x' && i + 1 < line.size() && hex_digit(line[i]) >= 0 &&
                           hex_digit(line[i + 1]) >= 0) {
                    word += static_cast<char>(hex_digit(line[i]) * 16 + hex_digit(line[i + 1]));
                    i += 2;
                } else {
                    result.ok = false;
                    return result;
                }
            }
            if (!closed) {
                result.ok = false;
                return result;
            }
        }
        result.words.push_back(std::move(word));
    }
    return result;
}

std::string quoted(std::string_view word) {
    bool plain = !word.empty();
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == ' ' || c == '"' || c == '\\' || c == '#' || c == '=')
            plain = false;
    }
    if (plain) return std::string(word);
    std::string out = "\"";
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string point_word(grid_point p) {
    for (const named_point& n : kNamedPoints)
        if (n.point == p) return std::string(n.name);
    if (p.row == bench::kTerminalRow && p.column >= 0 && p.column < bench::kSwitchCount)
        return "sw" + std::to_string(p.column);
    if (p.row == bench::kLedRow && p.column >= 0 && p.column < bench::kLedCount)
        return "led" + std::to_string(p.column);
    if (p.row == bench::kLedRow && p.column >= bench::kFirstSegmentColumn &&
        p.column <= bench::kLastSegmentColumn)
        return "seg." + std::string(kSegmentNames[p.column - bench::kFirstSegmentColumn]);
    return std::to_string(p.row) + ':' + std::to_string(p.column);
}

std::optional<grid_point> point_from_word(std::string_view word) {
    for (const named_point& n : kNamedPoints)
        if (n.name == word) return n.point;
    if (const auto k = indexed_name(word, "sw", bench::kSwitchCount)) return grid_point{bench::kTerminalRow, *k};
    if (const auto k = indexed_name(word, "led", bench::kLedCount)) return grid_point{bench::kLedRow, *k};
    if (word.substr(0, 4) == "seg.") {
        for (std::size_t s = 0; s < kSegmentNames.size(); ++s)
            if (word.substr(4) == kSegmentNames[s])
                return grid_point{bench::kLedRow, bench::kFirstSegmentColumn + static_cast<int>(s)};
        return std::nullopt;
    }
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto row = number_from_word(word.substr(0, colon), 0, bench::kGridRows - 1);
    const auto column = number_from_word(word.substr(colon + 1), 0, bench::kGridColumns - 1);
    if (!row || !column) return std::nullopt;
    return grid_point{*row, *column};
}

std::string colour_word(bench::rgb_colour colour) {
    for (const named_colour& n : kNamedColours)
        if (n.colour == colour) return std::string(n.name);
    char text[12];
    const unsigned top = colour >> 24;
    if (top != 0)
        std::snprintf(text, sizeof text, "#%02X%02X%02X%02X", top, bench::red_of(colour),
                      bench::green_of(colour), bench::blue_of(colour));
    else
        std::snprintf(text, sizeof text, "#%02X%02X%02X", bench::red_of(colour), bench::green_of(colour),
                      bench::blue_of(colour));
    return text;
}

std::optional<bench::rgb_colour> colour_from_word(std::string_view word) {
    for (const named_colour& n : kNamedColours)
        if (n.name == word) return n.colour;
    if (word.size() != 7 && word.size() != 9) return std::nullopt;
    if (word[0] != '#') return std::nullopt;
    std::uint32_t digits = 0;
    for (std::size_t i = 1; i < word.size(); ++i) {
        const int d = hex_digit(word[i]);
        if (d < 0) return std::nullopt;
        digits = digits << 4 | static_cast<std::uint32_t>(d);
    }
    // Written as (AA)RRGGBB, stored as 0xAABBGGRR.
    const std::uint32_t top = digits >> 24;
    const int red = static_cast<int>(digits >> 16 & 0xFF);
    const int green = static_cast<int>(digits >> 8 & 0xFF);
    const int blue = static_cast<int>(digits & 0xFF);
    return bench::rgb(red, green, blue) | top << 24;
}

std::optional<int> number_from_word(std::string_view word, int lowest, int highest) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

}  // namespace cirtool
