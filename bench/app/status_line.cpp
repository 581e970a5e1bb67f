#include "status_line.h"

namespace bench {

status_line::status_line(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("status_line"));
    setSizeGripEnabled(false);
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("pointer_text"));
    pointer_->setTextFormat(Qt::PlainText);
    // A long list of pins must not widen the window.
    pointer_->setMinimumWidth(1);
    pointer_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(pointer_, 1);
    // The line keeps one height whatever it says, so the board above never moves.
    pointer_->setFixedHeight(pointer_->fontMetrics().height());
    setFixedHeight(sizeHint().height());
}

void status_line::show_message(const QString& text, int milliseconds) { showMessage(text, milliseconds); }

void status_line::show_pointer_text(const QString& text) {
    if (pointer_->text() != text) pointer_->setText(text);
}

QString status_line::shown_text() const {
    const QString note = currentMessage();
    return note.isEmpty() ? pointer_->text() : note;
}

}  // namespace bench
