#include "pointer_watch.h"

#include <QChildEvent>
#include <QEnterEvent>
#include <QMouseEvent>

#include "picture_control.h"
#include "pointer_text.h"

namespace bench {

pointer_watch::pointer_watch(board_view* board, const bench_model& bench, status_line* line,
                             std::function<int(const QWidget*)> chip_of, QObject* parent)
    : QObject(parent), board_(board), bench_(bench), line_(line), chip_of_(std::move(chip_of)) {
    ring_ = new hover_ring(board_);
    board_->setMouseTracking(true);
    board_->installEventFilter(this);
    for (QObject* child : board_->children()) watch(child);
}

void pointer_watch::watch(QObject* child) {
    // A child is watched from its birth, before it is all it will be: which
    // kind it is is asked when it reports a move.
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget == ring_) return;
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool pointer_watch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == board_) watch(static_cast<QChildEvent*>(event)->child());
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            // Only pictures stand on the board's points; a label or the menu does not.
            if (widget != board_ && qobject_cast<const picture_control*>(widget) == nullptr) {
                if (mouse->buttons() == Qt::NoButton) pointer_gone();
                break;
            }
            // With no button held a widget hears only of moves over itself;
            // another is a move Qt made up after a change on the board.
            if (mouse->buttons() == Qt::NoButton && !widget->rect().contains(mouse->position().toPoint())) break;
            pointer_on_screen_ = mouse->globalPosition();
            pointer_at(widget == board_ ? mouse->position() : widget->mapTo(board_, mouse->position()), widget);
            break;
        }
        case QEvent::Leave:
            // Moving onto a picture on the board does not leave the board; only leaving it does.
            if (watched == board_) pointer_gone();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void pointer_watch::pointer_at(QPointF board_pixels, const QWidget* over) {
    at_ = board_pixels;
    over_ = over;
    const QPointF twips = board_->twips_at(board_pixels);
    const hit h = hit_test(twips.x(), twips.y());
    const bool on_point = h.row >= 0 && has_place(h.row, h.column);
    ring_->ring(on_point ? std::optional<board_point>(h.at) : std::nullopt);
    const int chip = over != nullptr && over != board_ ? chip_of_(over) : 0;
    if (chip > 0)
        line_->show_pointer_text(text_over_chip(bench_, chip, on_point ? h.row : -1, on_point ? h.column : -1));
    else
        line_->show_pointer_text(on_point ? text_over_point(bench_, h.row, h.column) : QString());
}

void pointer_watch::pointer_gone() {
    at_.reset();
    over_ = nullptr;
    ring_->ring(std::nullopt);
    line_->show_pointer_text({});
}

void pointer_watch::refresh() {
    if (!at_) return;
    // A chip under the pointer may have been deleted with its picture kept for reuse.
    const QWidget* over = over_ && over_->isVisible() ? over_.data() : board_;
    pointer_at(*at_, over);
}

void pointer_watch::rescaled() {
    ring_->cover_board();
    // The pointer stays where it is on the screen; the board moved under it.
    if (!at_) return;
    const QPointF at = board_->mapFromGlobal(pointer_on_screen_);
    if (board_->rect().contains(at.toPoint()))
        pointer_at(at, over_ ? over_.data() : board_);
    else
        pointer_gone();
}

}  // namespace bench
