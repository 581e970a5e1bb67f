#include "cirtool_commands.h"

#include <cstdio>
#include <string>
#include <vector>

#include <QFile>

#include "bench_model.h"
#include "circuit_file.h"
#include "circuit_notes.h"
#include "circuit_text.h"
#include "circuit_words.h"
#include "sheet_commands.h"
#include "step_runner.h"
#include "model_names.h"
#include "speed_command.h"

namespace cirtool {

namespace {

constexpr char kUsage[] =
    "usage: cirtool info FILE\n"
    "       cirtool run FILE STEP...\n"
    "       cirtool resave IN OUT\n"
    "       cirtool build TEXT OUT\n"
    "       cirtool dump FILE\n"
    "       cirtool speed FILE [SECONDS]\n"
    "       cirtool check CIRCUIT SHEET\n"
    "       cirtool grade SHEET FOLDER [--jobs N] [--csv FILE] [--time-limit SECONDS]\n";

int unparsable(std::ostream& err, const std::string& what) {
    err << "cirtool: cannot parse " << what << '\n' << kUsage;
    return kUnparsable;
}

// Loads as the bench's Load command does; false (with the bench's message on
// `err`) when the file cannot be taken.
bool load(bench::bench_model& bench, const QString& path, std::ostream& err) {
    const bench::file_result result = bench.load(path);
    if (!result.ok) err << result.message.toStdString() << '\n';
    return result.ok;
}

std::string colour_text(bench::rgb_colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", bench::red_of(colour), bench::green_of(colour),
                  bench::blue_of(colour));
    return text;
}

void print_circuit(const bench::bench_model& bench, std::ostream& out) {
    for (int k = 1; k <= bench.chip_count(); ++k) {
        const bench::chip& c = bench.chip_at(k);
        // A file may put blanks, quotes or line breaks in a model: quoted, it
        // stays one word of one line.
        const std::string model(bench::trimmed_blanks(c.model));
        out << "chip " << k << ' ' << (model.empty() ? "-" : cirtool::quoted(model)) << ' ' << c.mount_kind << ' '
            << c.pin_count << ' ' << c.chip_class << ' ' << bench::stored_twips(c.picture.top) << ' '
            << bench::stored_twips(c.picture.left) << ' ';
        if (c.seated())
            out << c.places[1].row << ' ' << c.places[1].column << '\n';
        else
            out << "unseated\n";
    }
    for (int w = 1; w <= bench.wire_count(); ++w) {
        const bench::wire& v = bench.wire_at(w);
        out << "wire " << w << ' ' << v.start_row << ' ' << v.start_column << ' ' << v.end_row << ' '
            << v.end_column << ' ' << colour_text(v.colour) << ' ' << v.points.size() << '\n';
    }
}

int info(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 2) return unparsable(err, "the arguments of info");
    bench::bench_model bench;
    if (!load(bench, arguments[1], err)) return kFileFailed;
    print_circuit(bench, out);
    return kSuccess;
}

int run_steps(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() < 2) return unparsable(err, "the arguments of run");
    // Every step is checked before the file is touched, so a typo prints nothing.
    std::vector<lab::any_step> steps;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const std::optional<lab::any_step> s = lab::parse_any_step(arguments[i]);
        if (!s) return unparsable(err, "step '" + arguments[i].toStdString() + "'");
        steps.push_back(*s);
    }
    bench::bench_model bench;
    if (!load(bench, arguments[1], err)) return kFileFailed;
    lab::step_runner runner(bench);
    for (const lab::any_step& s : steps) runner.perform(s, out);
    return kSuccess;
}

int resave(const QStringList& arguments, std::ostream& err) {
    if (arguments.size() != 3) return unparsable(err, "the arguments of resave");
    bench::bench_model bench;
    if (!load(bench, arguments[1], err)) return kFileFailed;
    const bench::file_result saved = bench.save(arguments[2]);
    if (!saved.ok) {
        err << saved.message.toStdString() << '\n';
        return kFileFailed;
    }
    return kSuccess;
}

int build(const QStringList& arguments, std::ostream& err) {
    if (arguments.size() != 3) return unparsable(err, "the arguments of build");
    QFile text_file(arguments[1]);
    if (!text_file.exists()) {
        err << bench::missing_file_message(arguments[1]).toStdString() << '\n';
        return kFileFailed;
    }
    if (!text_file.open(QIODevice::ReadOnly)) {
        err << bench::format_error_message(arguments[1]).toStdString() << '\n';
        return kFileFailed;
    }
    const built_records built = records_from_text(text_file.readAll().toStdString());
    if (built.error_line > 0) {
        err << "cirtool: " << arguments[1].toStdString() << ':' << built.error_line << ": " << built.error << '\n';
        return kUnparsable;
    }
    if (!bench::write_circuit_file(arguments[2], built.records)) {
        err << bench::write_error_message(arguments[2]).toStdString() << '\n';
        return kFileFailed;
    }
    return kSuccess;
}

int dump(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() != 2) return unparsable(err, "the arguments of dump");
    const bench::read_result read = bench::read_circuit_file(arguments[1]);
    if (read.status == bench::read_status::missing) {
        err << bench::missing_file_message(arguments[1]).toStdString() << '\n';
        return kFileFailed;
    }
    if (read.status == bench::read_status::bad_format) {
        err << bench::format_error_message(arguments[1]).toStdString() << '\n';
        return kFileFailed;
    }
    // The lines come from the records as stored; the notes from the chips as
    // the bench seats them.
    bench::bench_model bench;
    if (!load(bench, arguments[1], err)) return kFileFailed;
    out << text_from_records(read.records, notes_of(bench));
    return kSuccess;
}

}  // namespace

int run(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) return unparsable(err, "an empty command line");
    const QString& command = arguments[0];
    if (command == u"info") return info(arguments, out, err);
    if (command == u"run") return run_steps(arguments, out, err);
    if (command == u"resave") return resave(arguments, err);
    if (command == u"build") return build(arguments, err);
    if (command == u"dump") return dump(arguments, out, err);
    if (command == u"speed") return speed(arguments, out, err);
    if (command == u"check") return check(arguments, out, err);
    if (command == u"grade") return grade(arguments, out, err);
    return unparsable(err, "command '" + command.toStdString() + "'");
}

}  // namespace cirtool
