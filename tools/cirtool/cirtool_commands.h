// cirtool: checks and runs circuit files on the bench model, for teachers and
// for tests.
//
//   cirtool info FILE            chips and wires of FILE, one per line
//   cirtool run FILE STEP...     a bench at start-up loads FILE and performs the steps
//   cirtool resave IN OUT        loads IN and saves it to OUT
//   cirtool build TEXT OUT       writes the circuit file of a circuit text (circuit_text.h)
//   cirtool dump FILE            prints the circuit text of FILE
//   cirtool speed FILE [SECONDS] clock ticks per second of FILE with the power on
//   cirtool check CIRCUIT SHEET  checks a circuit against a lab sheet (sheet_commands.h)
//   cirtool grade SHEET FOLDER   checks every circuit of a folder (sheet_commands.h)
//
// Exit status: 0 success; 1 a file that cannot be loaded or saved (the
// bench's message on standard error); 2 a command, step or argument that
// cannot be parsed (named on standard error). `check` and `grade` answer as
// sheet_commands.h says.
#pragma once

#include <ostream>

#include <QStringList>

namespace cirtool {

inline constexpr int kSuccess = 0;
inline constexpr int kFileFailed = 1;
inline constexpr int kUnparsable = 2;

// `arguments` excludes the program name. Output is UTF-8.
int run(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace cirtool
