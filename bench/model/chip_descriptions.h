// Chip descriptions in the interface's language.
#pragma once

#include <QString>
#include <string_view>

namespace bench {

// A chip description as the interface shows it: a catalogue description in
// the interface's language, any other text (a circuit file's own) as it is.
QString shown_description(std::string_view description);

}  // namespace bench
