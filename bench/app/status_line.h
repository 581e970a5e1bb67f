// The line under the board that tells the user what just happened and why
// (a chip that could not be seated, a change undone, a file saved). A message
// fades after a few seconds; a new one replaces it at once.
#pragma once

#include <QLabel>
#include <QTimer>

namespace bench {

class status_line : public QLabel {
    Q_OBJECT
public:
    explicit status_line(QWidget* parent = nullptr);

    void show_message(const QString& text);
    QString message() const { return text(); }

private:
    QTimer fade_;
};

}  // namespace bench
