#include "cirtool_commands.h"

#include <cstdio>
#include <string>
#include <vector>

#include "bench_model.h"
#include "circuit_file.h"
#include "cirtool_steps.h"
#include "model_names.h"

namespace cirtool {

namespace {

constexpr char kUsage[] =
    "usage: cirtool info FILE\n"
    "       cirtool run FILE STEP...\n"
    "       cirtool resave IN OUT\n";

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
        const std::string model(bench::trimmed_blanks(c.model));
        out << "chip " << k << ' ' << (model.empty() ? "-" : model) << ' ' << c.mount_kind << ' '
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
    std::vector<step> steps;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const std::optional<step> s = parse_step(arguments[i]);
        if (!s) return unparsable(err, "step '" + arguments[i].toStdString() + "'");
        steps.push_back(*s);
    }
    bench::bench_model bench;
    if (!load(bench, arguments[1], err)) return kFileFailed;
    for (const step& s : steps) perform(s, bench, out);
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

}  // namespace

int run(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) return unparsable(err, "an empty command line");
    const QString& command = arguments[0];
    if (command == u"info") return info(arguments, out, err);
    if (command == u"run") return run_steps(arguments, out, err);
    if (command == u"resave") return resave(arguments, err);
    return unparsable(err, "command '" + command.toStdString() + "'");
}

}  // namespace cirtool
