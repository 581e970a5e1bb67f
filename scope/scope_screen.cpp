#include "scope_screen.h"

#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace dscopex {

namespace {
const QColor kTraceGreen(0, 255, 0);
}

ScopeScreen::ScopeScreen(const QPixmap& blank, QWidget* parent)
    : QWidget(parent), blank_(blank), layer_(blank.size(), QImage::Format_ARGB32_Premultiplied) {
    setMouseTracking(true);
    resize(blank.size());
    clear();
}

void ScopeScreen::clear() {
    layer_.fill(Qt::transparent);  // the bezel's rounded corners show the panel
    QPainter painter(&layer_);
    painter.drawPixmap(0, 0, blank_);
    update();
}

void ScopeScreen::draw(const std::vector<TraceSegment>& segments) {
    if (segments.empty()) return;
    QPainter painter(&layer_);
    painter.setTransform(twips_transform());
    painter.setPen(QPen(kTraceGreen, 0));  // one pixel, like the beam
    for (const TraceSegment& s : segments)
        painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
    update();
}

void ScopeScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, layer_);
}

void ScopeScreen::mousePressEvent(QMouseEvent* event) { event->accept(); }
void ScopeScreen::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void ScopeScreen::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void ScopeScreen::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (on_hover)
        on_hover(QPointF(pixels_to_twips(event->position().x()), pixels_to_twips(event->position().y())));
}

}  // namespace dscopex
