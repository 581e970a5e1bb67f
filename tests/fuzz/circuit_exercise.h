// One input of the circuit file fuzzer: arbitrary bytes taken as a circuit
// file through everything that reads one. The fuzzer and the regression
// tests share it, so a file that once broke the bench is replayed exactly as
// the fuzzer ran it.
#pragma once

#include <optional>
#include <string>

#include <QByteArray>
#include <QString>

namespace robustness {

// Writes `bytes` to a file in `folder` and runs it through the record reader,
// the bench's Load over a circuit already on the bench, a save and reload, a
// session at the bench (bench_session.h), deleting a chip, clearing the
// bench, and cirtool's info, run and dump.
// Returns the first promise the bench broke (a failed load that changed the
// circuit, a save that does not load back the same, ...), or nothing.
// Crashes and sanitizer reports are left to the process.
std::optional<std::string> exercise_circuit_file(const QByteArray& bytes, const QString& folder);

}  // namespace robustness
