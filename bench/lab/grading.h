// Grading a class: every circuit file of a folder checked against one lab
// sheet, several files at a time, each on a bench of its own in a thread of
// its own (the engine keeps its working tables per thread). Each file gets a
// time limit, so that a circuit that makes a sheet run long cannot hold up
// the class.
#pragma once

#include <chrono>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "lab_sheet.h"
#include "sheet_check.h"

namespace lab {

inline constexpr std::chrono::milliseconds kDefaultTimeLimit{10000};

struct grading_options {
    int jobs = 0;  // files checked at a time; 0 for one per processor core
    std::chrono::milliseconds time_limit = kDefaultTimeLimit;
};

struct file_grade {
    QString file;  // the file's name, without its folder
    check_result result;
};

// The ".cir" files of a folder (any case of the extension), plain files
// only, in name order.
QStringList circuit_files(const QString& folder);

// One grade per circuit file, in the order of circuit_files().
std::vector<file_grade> grade_files(const lab_sheet& sheet, const QString& folder, const QStringList& files,
                                    const grading_options& options);
std::vector<file_grade> grade_folder(const lab_sheet& sheet, const QString& folder, const grading_options& options);

// Columns: file, passed, total, first failing row, error. A file that could
// not be checked has its error and no counts.
QByteArray grades_csv(const std::vector<file_grade>& grades, std::chrono::milliseconds time_limit);

// Why a file has no counts, in words; empty for a file that was checked.
QString grade_error(const check_result& result, std::chrono::milliseconds time_limit);

}  // namespace lab
