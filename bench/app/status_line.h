// The status line at the bottom of the window. It says what is under the
// pointer; a note about something that just happened and why (a chip that
// could not be seated, a change undone, a file saved) takes its place for a
// few seconds, and a new note replaces it at once.
#pragma once

#include <QLabel>
#include <QStatusBar>

namespace bench {

class status_line : public QStatusBar {
    Q_OBJECT
public:
    explicit status_line(QWidget* parent = nullptr);

    // A transient note, shown for `milliseconds` (0: until the next note).
    void show_message(const QString& text, int milliseconds = 6000);
    // The note shown now; empty once it has faded.
    QString message() const { return currentMessage(); }
    // What is under the pointer; empty when nothing is.
    void show_pointer_text(const QString& text);
    QString pointer_text() const { return pointer_->text(); }
    // What the line shows now: the note while there is one, else the pointer text.
    QString shown_text() const;

private:
    QLabel* pointer_ = nullptr;
};

}  // namespace bench
