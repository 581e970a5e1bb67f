#include "sheet_commands.h"

#include <cmath>
#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "grading.h"
#include "lab_sheet.h"
#include "sheet_check.h"

namespace cirtool {

namespace {

constexpr int kAllPass = 0;
constexpr int kSomeFail = 1;
constexpr int kCannotRead = 2;

int cannot(std::ostream& err, const std::string& why) {
    err << "cirtool: " << why << '\n';
    return kCannotRead;
}

std::optional<lab::lab_sheet> sheet_from(const QString& path, std::ostream& err) {
    lab::sheet_result read = lab::read_lab_sheet(path);
    if (!read.sheet) err << "cirtool: " << lab::describe(read.error, path) << '\n';
    return std::move(read.sheet);
}

void print_row(const lab::row_result& row, std::ostream& out) {
    out << (row.pass ? "pass" : "FAIL") << "  line " << row.line << "  expected: " << row.expected
        << "  got: " << row.got;
    if (!row.comment.isEmpty()) out << "  # " << row.comment.toStdString();
    out << '\n';
}

struct grade_arguments {
    QString sheet;
    QString folder;
    QString csv;
    lab::grading_options options;
};

std::optional<grade_arguments> grade_arguments_of(const QStringList& arguments, std::ostream& err) {
    grade_arguments taken;
    QStringList plain;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const bool option = word == u"--jobs" || word == u"--csv" || word == u"--time-limit";
        if (!option) {
            plain << word;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            err << "cirtool: " << word.toStdString() << " needs a value\n";
            return std::nullopt;
        }
        const QString& value = arguments[++i];
        bool ok = false;
        if (word == u"--jobs") {
            taken.options.jobs = value.toInt(&ok);
            ok = ok && taken.options.jobs >= 1;
        } else if (word == u"--time-limit") {
            const double seconds = value.toDouble(&ok);
            ok = ok && std::isfinite(seconds) && seconds > 0 && seconds <= 86400;
            taken.options.time_limit = std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
        } else {
            taken.csv = value;
            ok = !value.isEmpty();
        }
        if (!ok) {
            err << "cirtool: cannot parse " << word.toStdString() << " '" << value.toStdString() << "'\n";
            return std::nullopt;
        }
    }
    if (plain.size() != 2) {
        err << "cirtool: cannot parse the arguments of grade\n"
               "usage: cirtool grade SHEET FOLDER [--jobs N] [--csv FILE] [--time-limit SECONDS]\n";
        return std::nullopt;
    }
    taken.sheet = plain[0];
    taken.folder = plain[1];
    return taken;
}

}  // namespace

int check(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 3)
        return cannot(err, "cannot parse the arguments of check\nusage: cirtool check CIRCUIT SHEET");
    const std::optional<lab::lab_sheet> sheet = sheet_from(arguments[2], err);
    if (!sheet) return kCannotRead;
    const lab::check_result result = lab::check_file(*sheet, arguments[1]);
    if (result.status != lab::check_status::checked)
        return cannot(err, lab::grade_error(result, lab::kDefaultTimeLimit).toStdString());
    for (const lab::row_result& row : result.rows) print_row(row, out);
    out << result.passed() << " of " << result.total() << " checks pass\n";
    return result.all_pass() ? kAllPass : kSomeFail;
}

int grade(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const std::optional<grade_arguments> taken = grade_arguments_of(arguments, err);
    if (!taken) return kCannotRead;
    const std::optional<lab::lab_sheet> sheet = sheet_from(taken->sheet, err);
    if (!sheet) return kCannotRead;
    if (!QFileInfo(taken->folder).isDir()) return cannot(err, "no folder " + taken->folder.toStdString());
    const QStringList files = lab::circuit_files(taken->folder);
    if (files.isEmpty()) return cannot(err, "no .cir files in " + taken->folder.toStdString());

    const std::vector<lab::file_grade> grades = lab::grade_files(*sheet, taken->folder, files, taken->options);

    if (!taken->csv.isEmpty()) {
        // Written whole or not at all: an older table stays when this one fails.
        QSaveFile csv(taken->csv);
        if (!csv.open(QIODevice::WriteOnly) || csv.write(lab::grades_csv(grades, taken->options.time_limit)) < 0 ||
            !csv.commit())
            return cannot(err, "cannot write " + taken->csv.toStdString());
    }

    int all_pass = 0, some_fail = 0, not_checked = 0;
    for (const lab::file_grade& g : grades) {
        out << g.file.toStdString() << "  ";
        if (g.result.status != lab::check_status::checked) {
            ++not_checked;
            out << "not checked: " << lab::grade_error(g.result, taken->options.time_limit).toStdString() << '\n';
            continue;
        }
        out << g.result.passed() << " of " << g.result.total() << " checks pass";
        if (const int failing = g.result.first_failure(); failing >= 0) {
            ++some_fail;
            out << ", first failing " << lab::row_name(g.result.rows[static_cast<std::size_t>(failing)]);
        } else {
            ++all_pass;
        }
        out << '\n';
    }
    out << grades.size() << " files: " << all_pass << " pass every check, " << some_fail << " fail a check, "
        << not_checked << " cannot be checked\n";
    return some_fail == 0 && not_checked == 0 ? kAllPass : kSomeFail;
}

}  // namespace cirtool
