// Colours and lettering shared by the meter's pictures. Fonts are sized in
// twips because every picture is painted in twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include "meter_units.h"

namespace dmeterx::art {

inline const QColor kCaseTop{52, 55, 60};
inline const QColor kCaseBottom{28, 29, 32};
inline const QColor kCaseEdge{96, 100, 106};
inline const QColor kDialPaper{248, 244, 226};
inline const QColor kDialPaperShade{232, 225, 200};
inline const QColor kDialInk{22, 22, 22};
inline const QColor kDialRed{196, 36, 28};
inline const QColor kMirror{196, 202, 206};
inline const QColor kPanelInk{236, 235, 228};
inline const QColor kAcInk{255, 104, 88};
inline const QColor kOhmInk{120, 214, 110};
inline const QColor kCurrentInk{110, 200, 255};

inline QFont lettering(int height_twips, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(height_twips);
    font.setBold(bold);
    return font;
}

// Text centred on a point.
inline void centred_text(QPainter& painter, twips_point at, const QString& text) {
    constexpr double kRoom = 2000;
    painter.drawText(QRectF(at.x - kRoom / 2, at.y - kRoom / 2, kRoom, kRoom), Qt::AlignCenter, text);
}

inline QPointF to_qt(twips_point p) { return {p.x, p.y}; }

}  // namespace dmeterx::art
