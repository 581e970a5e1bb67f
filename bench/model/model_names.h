// Text helpers for chip fields. Model names are compared with leading and
// trailing blanks removed and in upper case, wherever they come from (a
// circuit file keeps the blanks that fill its fixed-width field).
#pragma once

#include <string>
#include <string_view>

namespace bench {

std::string_view trimmed_blanks(std::string_view text);

// The trimmed, upper-cased model: the key for the catalogue and the outlines.
std::string model_key(std::string_view model);

// At most the first `count` characters of UTF-8 text, never half a character.
std::string first_characters(std::string_view utf8, int count);

}  // namespace bench
