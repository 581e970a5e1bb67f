// Follows the pointer over the board and everything on it. The connection
// point a left click would take is ringed, and the status line says what is
// there (pointer_text.h). Moves over chip pictures, probes and switches count
// as moves over the board under them.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "bench_model.h"
#include "board_view.h"
#include "hover_ring.h"
#include "status_line.h"

namespace bench {

class pointer_watch : public QObject {
    Q_OBJECT
public:
    // `chip_of` gives the chip number of a chip picture, 0 for any other widget.
    pointer_watch(board_view* board, const bench_model& bench, status_line* line,
                  std::function<int(const QWidget*)> chip_of, QObject* parent);

    // The bench changed under a still pointer: say it again.
    void refresh();
    // The board's scale changed: the ring follows.
    void rescaled();
    hover_ring* ring() const { return ring_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* child);
    void pointer_at(QPointF board_pixels, const QWidget* over);
    void pointer_gone();

    board_view* board_;
    const bench_model& bench_;
    status_line* line_;
    std::function<int(const QWidget*)> chip_of_;
    hover_ring* ring_;
    // The last place: board pixels and the widget under the pointer.
    std::optional<QPointF> at_;
    QPointF pointer_on_screen_;
    QPointer<const QWidget> over_;
};

}  // namespace bench
