#include "model_names.h"

namespace bench {

std::string_view trimmed_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string model_key(std::string_view model) {
    std::string key(trimmed_blanks(model));
    for (char& c : key)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return key;
}

std::string first_characters(std::string_view utf8, int count) {
    std::size_t end = 0;
    int seen = 0;
    while (end < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[end]);
        // A character starts at every byte that is not a continuation byte.
        if ((byte & 0xC0) != 0x80 && seen++ == count) break;
        ++end;
    }
    return std::string(utf8.substr(0, end));
}

}  // namespace bench
