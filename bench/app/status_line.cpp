#include "status_line.h"

#include "art_style.h"
#include "twips_geometry.h"

namespace bench {

namespace {

constexpr int kShownMs = 6000;

}  // namespace

status_line::status_line(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("status_line"));
    setFont(art::label_font(px(170)));
    setStyleSheet(QStringLiteral("color: #3c3c3c;"));
    fade_.setSingleShot(true);
    connect(&fade_, &QTimer::timeout, this, [this] { clear(); });
}

void status_line::show_message(const QString& text) {
    setText(text);
    fade_.start(kShownMs);
}

}  // namespace bench
