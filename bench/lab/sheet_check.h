// Checking a circuit against a lab sheet. Every check runs on a bench of its
// own, from the start-up state (power off, every switch down), so that it
// leaves the bench the user works on as it was and gives the same answer in
// the window and in cirtool.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "bench_model.h"
#include "circuit_copy.h"
#include "lab_sheet.h"

namespace lab {

struct row_result {
    int line = 0;  // sheet line of the expected output
    QString comment;
    std::string expected;
    std::string got;
    bool pass = false;
};

enum class check_status {
    checked,     // every step ran
    unreadable,  // the circuit file could not be loaded (`error` says why)
    stopped,     // `keep_going` said no before the last step
    failed,      // the circuit could not be evaluated (`error` says why)
};

struct check_result {
    check_status status = check_status::checked;
    QString error;
    std::vector<row_result> rows;  // the rows checked so far

    int passed() const;
    int total() const { return static_cast<int>(rows.size()); }
    int first_failure() const;  // index into rows, -1 when none fails
    bool all_pass() const { return status == check_status::checked && first_failure() < 0; }
};

// Asked between steps and every few hundred clock ticks; false stops the run.
using keep_going_test = std::function<bool()>;

// Runs the sheet's steps on a bench that holds the circuit to check.
check_result run_sheet(const lab_sheet& sheet, bench::bench_model& bench, const keep_going_test& keep_going = {});

// The sheet on a fresh bench holding a copy of a circuit.
check_result check_copy(const lab_sheet& sheet, const bench::circuit_copy& circuit,
                        const keep_going_test& keep_going = {});

// The sheet on a circuit file, loaded as the load command loads it. An empty
// file is no circuit: a student who hands in nothing has not built one.
check_result check_file(const lab_sheet& sheet, const QString& path, const keep_going_test& keep_going = {});

// "line 12: 1 + 1 = 10", or "line 12" for a row without a comment.
std::string row_name(const row_result& row);

}  // namespace lab
