#include "csv_text.h"

#include <string_view>

namespace lab {

QByteArray csv_start() { return QByteArrayLiteral("\xEF\xBB\xBF"); }

QByteArray csv_line(const QStringList& cells) {
    QStringList quoted;
    for (const QString& cell : cells) {
        if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r')) {
            QString escaped = cell;
            escaped.replace(u'"', QStringLiteral("\"\""));
            quoted << u'"' + escaped + u'"';
        } else {
            quoted << cell;
        }
    }
    return quoted.join(u',').toUtf8() + "\r\n";
}

QString inert_cell(const QString& text) {
    static constexpr char16_t kFormulaStarts[] = u"=+-@\t\r";
    if (!text.isEmpty() && std::u16string_view(kFormulaStarts).find(text[0].unicode()) != std::u16string_view::npos)
        return u'\'' + text;
    return text;
}

}  // namespace lab
