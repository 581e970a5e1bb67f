// `cirtool speed FILE [SECONDS]`: how many clock ticks per second the bench
// runs on a circuit, with nothing drawn.
#pragma once

#include <ostream>

#include <QStringList>

namespace cirtool {

// `arguments` as cirtool::run takes them ("speed" first). Prints "N ticks/s".
int speed(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace cirtool
