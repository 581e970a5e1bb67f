#include "lab_test_support.h"

#include <stdexcept>

#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "circuit_file.h"
#include "circuit_text.h"

namespace lab::testing {

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

}  // namespace

std::string example_text(const std::string& name, const std::string& from, const std::string& to) {
    std::string text = contents(QStringLiteral(EXAMPLES_FOLDER "/") + QString::fromStdString(name) + ".txt").toStdString();
    if (!from.empty()) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos) throw std::runtime_error("no '" + from + "' in " + name);
        text.replace(at, from.size(), to);
    }
    return text;
}

void write_circuit(const std::string& text, const QString& path) {
    const cirtool::built_records built = cirtool::records_from_text(text);
    if (built.error_line > 0) throw std::runtime_error("line " + std::to_string(built.error_line) + ": " + built.error);
    if (!bench::write_circuit_file(path, built.records)) throw std::runtime_error("cannot write " + path.toStdString());
}

lab_sheet example_sheet(const std::string& name) {
    return sheet_of(contents(QStringLiteral(EXAMPLES_FOLDER "/") + QString::fromStdString(name) + ".lab").toStdString());
}

lab_sheet sheet_of(const std::string& text) {
    sheet_result read = parse_lab_sheet(QByteArray::fromStdString(text));
    if (!read.sheet) throw std::runtime_error(describe(read.error, QStringLiteral("sheet")));
    return std::move(*read.sheet);
}

bench::circuit_copy circuit_of(const std::string& text) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("circuit.cir"));
    write_circuit(text, path);
    bench::bench_model bench;
    if (!bench.load(path).ok) throw std::runtime_error("the circuit does not load");
    return bench.circuit();
}

}  // namespace lab::testing
