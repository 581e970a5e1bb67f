// Model names are compared with leading and trailing spaces removed and in
// upper case, wherever they come from (a circuit file keeps trailing blanks).
#pragma once

#include <string>
#include <string_view>

namespace lgsim {

inline std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

inline std::string upper_trimmed(std::string_view s) {
    std::string out(trimmed(s));
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace lgsim
