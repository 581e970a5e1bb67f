#include "board_zoom.h"

#include <QScrollBar>
#include <QStyle>
#include <QShortcut>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "form_layout.h"

namespace bench {

board_zoom::board_zoom(board_canvas* canvas, QWidget* window) : QScrollArea(window), canvas_(canvas) {
    setObjectName(QStringLiteral("board_area"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(canvas_);
    const auto shortcut = [window](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, window);
        QObject::connect(s, &QShortcut::activated, window, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoom_in(); });
    shortcut(QKeySequence::ZoomIn, [this] { zoom_in(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoom_out(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { fit(); });
}

double board_zoom::fitting_zoom() const {
    const QSize room = maximumViewportSize();
    if (room.width() <= 0 || room.height() <= 0) return 1;
    const double twips_per_pixel =
        std::max(layout::kFormWidth / room.width(), layout::kFormHeight / room.height());
    return kFileTwipsPerPixel / twips_per_pixel;
}

void board_zoom::apply(const view_scale& scale) {
    // The canvas fills what the scroll bars leave of the area; they show
    // only where the form is larger than that.
    const QSize form = board_canvas::form_size(scale);
    const QSize room = maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = form.width() > room.width();
    bool down = form.height() > room.height();
    if (across && !down) down = form.height() > room.height() - bar;
    if (down && !across) across = form.width() > room.width() - bar;
    const QSize least(room.width() - (down ? bar : 0), room.height() - (across ? bar : 0));
    // The scroll bars coming and going resize the viewport without changing the view.
    if (scale.twips_per_pixel == canvas_->scale().twips_per_pixel && form.expandedTo(least) == canvas_->size() &&
        viewed_once_)
        return;
    viewed_once_ = true;
    emit view_changing();
    canvas_->set_view(scale, least);
    emit view_changed();
}

void board_zoom::fit() {
    fitting_ = true;
    // At or below the least zoom the board scrolls rather than shrink further.
    const double zoom = std::max(fitting_zoom(), kLeastZoom);
    apply(view_scale::at_zoom(zoom));
}

void board_zoom::set_zoom(double zoom, std::optional<QPoint> anchor) {
    const double most = std::max(kMostZoom, fitting_zoom());
    zoom = std::clamp(zoom, kLeastZoom, most);
    fitting_ = false;
    const QPoint in_view = anchor.value_or(viewport()->rect().center());
    const view_scale before = canvas_->scale();
    // The form point under the anchor, twips.
    const QPointF canvas_point(in_view.x() + horizontalScrollBar()->value(),
                               in_view.y() + verticalScrollBar()->value());
    const QPointF form_twips = (canvas_point - QPointF(canvas_->origin())) * before.twips_per_pixel;
    apply(view_scale::at_zoom(zoom));
    const QPointF after = QPointF(canvas_->origin()) + form_twips / canvas_->scale().twips_per_pixel;
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(after.x() - in_view.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(after.y() - in_view.y())));
}

void board_zoom::zoom_in() { set_zoom(zoom() * kStep); }
void board_zoom::zoom_out() { set_zoom(zoom() / kStep); }

void board_zoom::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (event->size() == event->oldSize()) return;
    if (fitting_)
        fit();
    else
        apply(canvas_->scale());
}

void board_zoom::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y();
    if (steps == 0) return;
    set_zoom(steps > 0 ? zoom() * kStep : zoom() / kStep, event->position().toPoint());
    event->accept();
}

QSize board_zoom::start_size(QSize available, int below) {
    const double zoom = std::min(available.width() * kFileTwipsPerPixel / layout::kFormWidth,
                                 (available.height() - below) * kFileTwipsPerPixel / layout::kFormHeight);
    const view_scale scale = view_scale::at_zoom(std::max(zoom, kLeastZoom));
    const QSize form = board_canvas::form_size(scale);
    return {form.width(), form.height() + below};
}

}  // namespace bench
