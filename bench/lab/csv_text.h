// Comma-separated text as spreadsheets read it: UTF-8 with a byte-order mark
// (without one, a spreadsheet on a Chinese system takes the text for GBK),
// cells quoted where they hold a comma, a quote or a line break, lines ended
// with CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lab {

QByteArray csv_start();  // the byte-order mark
QByteArray csv_line(const QStringList& cells);

// A cell that came from someone else (a file name a student chose): text a
// spreadsheet would take for a formula (starting with = + - @) is kept as
// text by a leading apostrophe.
QString inert_cell(const QString& text);

}  // namespace lab
