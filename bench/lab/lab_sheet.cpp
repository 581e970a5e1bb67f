#include "lab_sheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "expected_output.h"

namespace lab {

namespace {

sheet_result failure(sheet_problem problem, int line = 0, const QString& text = {}, int step_line = 0) {
    return {std::nullopt, {problem, line, step_line, text}};
}

// A line's text and where its note starts: the first "#" after a blank.
struct split_line {
    QString body;
    QString note;
};

split_line split_note(const QString& line) {
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == u'#' && (line[i - 1] == u' ' || line[i - 1] == u'\t'))
            return {line.left(i).trimmed(), line.mid(i + 1).trimmed()};
    }
    return {line.trimmed(), {}};
}

// The text of a comment line: after the "#" and one blank.
QString comment_text(const QString& trimmed_line) {
    QString text = trimmed_line.mid(1);
    if (text.startsWith(u' ')) text.remove(0, 1);
    return text.trimmed();
}


}  // namespace

sheet_result parse_lab_sheet(const QByteArray& bytes) {
    if (bytes.size() > kLargestSheet) return failure(sheet_problem::too_large);
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);

    lab_sheet sheet;
    bool leading = true;  // still in the leading comments
    QStringList instructions;
    int reading_line = 0;        // the latest reading step, while it has no expected line
    int previous_reading = 0;    // the latest reading step, with its expected line
    std::optional<any_step> reading;
    const QList<QByteArray> lines = body.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QByteArray raw = lines[i];
        if (raw.endsWith('\r')) raw.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8.decode(raw);
        if (utf8.hasError()) return failure(sheet_problem::not_utf8, number);
        const QString trimmed = line.trimmed();

        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            if (!leading) continue;
            if (trimmed.isEmpty()) {
                if (!sheet.title.isEmpty()) instructions << QString();
            } else if (sheet.title.isEmpty()) {
                sheet.title = comment_text(trimmed);
            } else {
                instructions << comment_text(trimmed);
            }
            continue;
        }
        leading = false;

        if (trimmed.startsWith(u'>')) {
            const QString text = split_note(trimmed.mid(1)).body;
            const std::optional<any_step> parsed = parse_any_step(text);
            if (!parsed) return failure(sheet_problem::bad_step, number, text);
            sheet.steps.push_back({number, text.simplified(), *parsed, -1});
            if (is_reading(*parsed)) {
                reading = parsed;
                reading_line = number;
            } else {
                reading.reset();
                reading_line = previous_reading = 0;
            }
            continue;
        }

        const split_line parts = split_note(trimmed);
        if (reading_line == 0) {
            if (previous_reading != 0)
                return failure(sheet_problem::second_expected, number, trimmed, previous_reading);
            return failure(sheet_problem::expected_without_step, number, trimmed);
        }
        const std::string expected = single_spaced(parts.body.toStdString());
        if (!fits_reading(*reading, expected))
            return failure(sheet_problem::expected_misfit, number, trimmed, reading_line);
        sheet_step& owner = sheet.steps.back();
        owner.row = static_cast<int>(sheet.rows.size());
        sheet.rows.push_back({number, reading_line, owner.text, expected, parts.note});
        previous_reading = reading_line;
        reading_line = 0;
    }
    if (sheet.rows.empty()) return failure(sheet_problem::no_rows);
    while (!instructions.isEmpty() && instructions.back().isEmpty()) instructions.removeLast();
    sheet.instructions = instructions.join(u'\n');
    return {std::move(sheet), {}};
}

sheet_result read_lab_sheet(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return failure(sheet_problem::missing);
    // Only a plain file: a pipe or a device would never end.
    if (!info.isFile()) return failure(sheet_problem::unreadable);
    if (info.size() > kLargestSheet) return failure(sheet_problem::too_large);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failure(sheet_problem::unreadable);
    const QByteArray bytes = file.read(kLargestSheet + 1);
    if (file.error() != QFileDevice::NoError) return failure(sheet_problem::unreadable);
    return parse_lab_sheet(bytes);
}

std::string describe(const sheet_error& error, const QString& sheet_name) {
    const std::string name = sheet_name.toStdString();
    const std::string at = name + ':' + std::to_string(error.line) + ": ";
    const std::string text = error.text.toStdString();
    switch (error.problem) {
    case sheet_problem::none:
        return name + ": no problem";
    case sheet_problem::missing:
        return name + ": no such sheet";
    case sheet_problem::unreadable:
        return name + ": the sheet cannot be read";
    case sheet_problem::too_large:
        return name + ": longer than any lab sheet (" + std::to_string(kLargestSheet) + " bytes at most)";
    case sheet_problem::not_utf8:
        return at + "not UTF-8 text";
    case sheet_problem::bad_step:
        return at + "cannot read the step '" + text + "'";
    case sheet_problem::expected_without_step:
        return at + "'" + text + "' follows no reading step (leds, digits, point, pin, display, measure, capture)";
    case sheet_problem::second_expected:
        return at + "'" + text + "' is a second expected line for the step on line " +
               std::to_string(error.step_line);
    case sheet_problem::expected_misfit:
        return at + "'" + text + "' is not what the step on line " + std::to_string(error.step_line) + " prints";
    case sheet_problem::no_rows:
        return name + ": no line says what a reading step must print, so there is nothing to check";
    }
    return name;
}

QString sheet_beside(const QString& circuit_path) {
    const QFileInfo info(circuit_path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".lab"));
}

QByteArray sheet_text(const lab_sheet& sheet) {
    QString text;
    const auto comment = [&](const QString& line) {
        text += line.isEmpty() ? QStringLiteral("#\n") : QStringLiteral("# ") + line + u'\n';
    };
    comment(sheet.title);
    if (!sheet.instructions.isEmpty())
        for (const QString& line : sheet.instructions.split(u'\n')) comment(line);
    constexpr int kCommentColumn = 28;
    for (const sheet_step& s : sheet.steps) {
        text += QStringLiteral("> ") + s.text + u'\n';
        if (s.row < 0) continue;
        const check_row& row = sheet.rows[static_cast<std::size_t>(s.row)];
        QString line = QString::fromStdString(row.expected);
        if (!row.comment.isEmpty()) {
            line = line.leftJustified(kCommentColumn - 2) + QStringLiteral("  # ") + row.comment;
        }
        text += line + u'\n';
    }
    return text.toUtf8();
}

}  // namespace lab
