#include "truth_table.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStringList>

#include "csv_text.h"
#include "expected_output.h"

namespace lab {

namespace {

constexpr char kSegmentLetters[kSegmentsPerDigit][3] = {"a", "b", "c", "d", "e", "f", "g", "dp"};

// The reading step that shows an output, as a sheet writes it.
QString reading_step(const output_probe& output) {
    switch (output.kind) {
    case output_kind::led:
        return QStringLiteral("leds");
    case output_kind::module_segment:
        return QStringLiteral("digits");
    case output_kind::display_segment:
        return QStringLiteral("display %1").arg(output.first);
    case output_kind::point:
        return QStringLiteral("point %1 %2").arg(output.first).arg(output.second);
    }
    return {};
}

// Where an output's value sits in its reading's line: the word, and the
// character in it (-1 for the whole word).
struct value_place {
    int word = 1;
    int character = -1;
};

value_place place_of(const output_probe& output) {
    switch (output.kind) {
    case output_kind::led:
        return {1, output.first};
    case output_kind::module_segment:
        return {output.first, output.second};
    case output_kind::display_segment:
        return {2, output.second};
    case output_kind::point:
        return {3, -1};
    }
    return {};
}

bool valid(const truth_table_request& r) {
    if (r.inputs.empty() || r.outputs.empty() || static_cast<int>(r.inputs.size()) > kMostTableInputs ||
        r.settle_ticks < 1)
        return false;
    for (const int k : r.inputs)
        if (k < 0 || k >= bench::kSwitchCount || std::count(r.inputs.begin(), r.inputs.end(), k) > 1) return false;
    return true;
}

// The words of a reading's line that are patterns of levels.
std::vector<int> pattern_words(const QString& reading) {
    if (reading == u"leds") return {1};
    if (reading == u"digits") return {1, 2};
    if (reading.startsWith(u"display")) return {2};
    return {};
}

struct planned_step {
    QString text;
    int row = -1;  // the table row a reading belongs to
    std::string got = {};
};

}  // namespace

QString input_name(int toggle_switch) { return QStringLiteral("K%1").arg(toggle_switch); }

QString output_name(const output_probe& output) {
    const auto letter = [&] {
        return output.second >= 0 && output.second < kSegmentsPerDigit
                   ? QString::fromLatin1(kSegmentLetters[output.second])
                   : QStringLiteral("?");
    };
    switch (output.kind) {
    case output_kind::led:
        return QStringLiteral("L%1").arg(output.first);
    case output_kind::module_segment:
        return QCoreApplication::translate("truth table", "数码管%1 %2").arg(QString::number(output.first), letter());
    case output_kind::display_segment:
        return QStringLiteral("U%1 ").arg(output.first) + letter();
    case output_kind::point:
        return QStringLiteral("%1:%2").arg(output.first).arg(output.second);
    }
    return {};
}

truth_table make_truth_table(const bench::circuit_copy& circuit, const truth_table_request& request) {
    truth_table table;
    if (!valid(request)) return table;

    // The reading steps a row needs, each once, in the order of the outputs.
    QStringList readings;
    for (const output_probe& o : request.outputs)
        if (!readings.contains(reading_step(o))) readings << reading_step(o);

    std::vector<planned_step> plan;
    plan.push_back({QStringLiteral("power on")});
    for (int k = 0; k < bench::kSwitchCount; ++k) {
        const bool input = std::find(request.inputs.begin(), request.inputs.end(), k) != request.inputs.end();
        if (!input && request.other_switches[static_cast<std::size_t>(k)] == 1)
            plan.push_back({QStringLiteral("switch %1 1").arg(k)});
    }
    const int inputs = static_cast<int>(request.inputs.size());
    const int rows = 1 << inputs;
    for (int r = 0; r < rows; ++r) {
        std::vector<int> bits;
        for (int i = 0; i < inputs; ++i) {
            bits.push_back(r >> (inputs - 1 - i) & 1);
            plan.push_back({QStringLiteral("switch %1 %2").arg(request.inputs[static_cast<std::size_t>(i)]).arg(bits.back())});
        }
        table.inputs.push_back(bits);
        plan.push_back({QStringLiteral("tick %1").arg(request.settle_ticks)});
        for (const QString& reading : readings) plan.push_back({reading, r});
    }

    bench::bench_model bench;
    bench.take_circuit(circuit);
    step_runner runner(bench);
    for (planned_step& s : plan) s.got = runner.reading(*parse_any_step(s.text));

    // The table, and each reading's expected line: what it printed where an
    // output is read, x elsewhere.
    table.outputs.assign(static_cast<std::size_t>(rows), std::vector<QString>(request.outputs.size()));
    lab_sheet& sheet = table.sheet;
    QStringList names;
    for (const int k : request.inputs) names << input_name(k);
    QStringList outputs;
    for (const output_probe& o : request.outputs) outputs << output_name(o);
    sheet.title = QCoreApplication::translate("truth table", "真值表");
    sheet.instructions =
        QCoreApplication::translate("truth table",
                                    "输入：%1（拨动开关，第一个为最高位）\n输出：%2\n每行拨好开关后走 %3 个时钟节拍再读输出。")
            .arg(names.join(u' '), outputs.join(u' '), QString::number(request.settle_ticks));
    for (const planned_step& s : plan) {
        sheet_step entry{0, s.text, *parse_any_step(s.text), -1};
        if (s.row >= 0) {
            QStringList got = QString::fromStdString(s.got).split(u' ');
            QStringList expected = got;
            // The level patterns of the reading become x where no output is read.
            for (const int w : pattern_words(s.text))
                if (w < expected.size() && expected[w] != u"-") expected[w].fill(u'x');
            for (std::size_t o = 0; o < request.outputs.size(); ++o) {
                if (reading_step(request.outputs[o]) != s.text) continue;
                const value_place at = place_of(request.outputs[o]);
                QString value = at.word < got.size() ? got[at.word] : QString();
                if (at.character >= 0 && at.character < value.size()) {
                    expected[at.word][at.character] = value[at.character];
                    value = value.mid(at.character, 1);
                }
                table.outputs[static_cast<std::size_t>(s.row)][o] = value;
            }
            QStringList row_name;
            for (int i = 0; i < inputs; ++i)
                row_name << names[i] + u'=' + QString::number(table.inputs[static_cast<std::size_t>(s.row)][static_cast<std::size_t>(i)]);
            entry.row = static_cast<int>(sheet.rows.size());
            sheet.rows.push_back({0, 0, s.text, expected.join(u' ').toStdString(), row_name.join(u' ')});
        }
        sheet.steps.push_back(std::move(entry));
    }
    // Read back from its own text, the sheet carries the lines it is saved with.
    if (sheet_result read = parse_lab_sheet(sheet_text(sheet)); read.sheet) sheet = std::move(*read.sheet);
    return table;
}

QByteArray truth_table_csv(const truth_table_request& request, const truth_table& table) {
    QStringList header;
    for (const int k : request.inputs) header << input_name(k);
    for (const output_probe& o : request.outputs) header << output_name(o);
    QByteArray csv = csv_start() + csv_line(header);
    for (std::size_t r = 0; r < table.inputs.size(); ++r) {
        QStringList cells;
        for (const int bit : table.inputs[r]) cells << QString::number(bit);
        for (const QString& value : table.outputs[r]) cells << value;
        csv += csv_line(cells);
    }
    return csv;
}

}  // namespace lab
