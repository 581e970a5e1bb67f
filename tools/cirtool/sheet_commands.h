// Lab sheet commands of cirtool:
//
//   cirtool check CIRCUIT SHEET
//     One line per check row of the sheet (pass or FAIL, its sheet line,
//     what was expected, what the circuit gave, the row's comment), then
//     "N of M checks pass". Exit 0 when all pass, 1 when one fails, 2 when
//     the sheet or the circuit cannot be read (the reason on standard error).
//
//   cirtool grade SHEET FOLDER [--jobs N] [--csv FILE] [--time-limit SECONDS]
//     Checks every .cir file of FOLDER, N at a time (default: one per core),
//     each within the time limit (default 10 s). One line per file and a
//     summary go to standard output; FILE gets one CSV row per file: file,
//     checks passed, checks total, first failing row, or the file's error.
//     Exit 0 when every file passes every check, 1 when one does not, 2 when
//     the sheet, the folder or the arguments cannot be taken or FILE cannot
//     be written.
#pragma once

#include <ostream>

#include <QStringList>

namespace cirtool {

// `arguments` as cirtool::run takes them (the command first).
int check(const QStringList& arguments, std::ostream& out, std::ostream& err);
int grade(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace cirtool
