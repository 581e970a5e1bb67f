// Lab sheets: what a lab asks of a circuit and how to check it, as UTF-8
// text (files NAME.lab beside the circuit NAME.cir):
//
//   # Half adder                      title: the first leading comment line
//   # Switch 0 is A, switch 1 is B.   instructions: the other leading comments
//   > power on                        a step, as `cirtool run` takes it
//   > tick
//   > leds
//   leds 0000000000000000  # 0 + 0    what the reading step above must print,
//                                     with x for either level; the comment
//                                     after " #" names the check row
//
// Blank lines and later comment lines are notes for whoever writes the sheet.
// A step line may carry a note after " #" too.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "step_runner.h"

namespace lab {

// Sheets are small: a longer file is no sheet.
inline constexpr qint64 kLargestSheet = 1 << 20;

struct check_row {
    int line = 0;       // sheet line of the expected output
    int step_line = 0;  // sheet line of its reading step
    QString step_text;  // the reading step as written
    std::string expected;  // words separated by single blanks
    QString comment;       // the row's name; may be empty
};

struct sheet_step {
    int line = 0;
    QString text;  // as written after ">", without a note
    any_step step;
    int row = -1;  // the check row of this reading step, -1 for none
};

struct lab_sheet {
    QString title;
    QString instructions;  // lines joined with line breaks
    std::vector<sheet_step> steps;
    std::vector<check_row> rows;
};

enum class sheet_problem {
    none,
    missing,              // no such file
    unreadable,           // cannot be opened or read
    too_large,            // more than kLargestSheet bytes
    not_utf8,             // `line` is not UTF-8 text
    bad_step,             // `line` is no step
    expected_without_step,  // `line` says what is printed, but no reading step comes before it
    second_expected,      // the reading step on `step_line` has its expected line already
    expected_misfit,      // `line` is not what the step on `step_line` prints
    no_rows,              // nothing is checked
};

struct sheet_error {
    sheet_problem problem = sheet_problem::none;
    int line = 0;       // 0 for the sheet as a whole
    int step_line = 0;  // the reading step the line belongs to, where that matters
    QString text;       // the line as written, trimmed
};

struct sheet_result {
    std::optional<lab_sheet> sheet;
    sheet_error error;
};

sheet_result parse_lab_sheet(const QByteArray& bytes);
sheet_result read_lab_sheet(const QString& path);

// The error in a sentence, naming the sheet and the line, for cirtool.
std::string describe(const sheet_error& error, const QString& sheet_name);

// The sheet beside a circuit file: same folder and name, extension ".lab".
QString sheet_beside(const QString& circuit_path);

// The text of a sheet: the title and instructions as leading comments, each
// step, and under each reading step with a check row its expected line and
// comment. Reading it back gives the same sheet.
QByteArray sheet_text(const lab_sheet& sheet);

}  // namespace lab
