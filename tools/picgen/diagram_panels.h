// The blocks a diagram's function part is made of (lines of text, a table,
// a figure) and a simple flow that sets them side by side while they fit.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace picgen {

struct panel {
    QSize size;
    std::function<void(QPainter&, QPoint top_left)> paint;
};

// Lines one under the other.
panel text_panel(const QStringList& lines, const QFont& font, QColor colour);

// A ruled table; rows[0] is the heading.
panel table_panel(const std::vector<QStringList>& rows, const QFont& font, const QFont& heading_font);

struct panel_layout {
    QSize size;
    std::vector<QPoint> at;  // top-left of each panel, relative to the layout
};

// Left to right, starting a new line when the next panel would pass width.
panel_layout flow(const std::vector<panel>& panels, int width, int gap);

}  // namespace picgen
