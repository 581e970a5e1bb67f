#include "picture_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "twips_geometry.h"

namespace bench {

picture_control::picture_control(QWidget* parent, int index) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void picture_control::set_picture(const QPixmap& picture) {
    if (picture.cacheKey() == picture_.cacheKey()) return;
    picture_ = picture;
    update();
}

void picture_control::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
}

void picture_control::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit pressed(index_, event->button(), event->modifiers(), twips_of(1) * at.x(), twips_of(1) * at.y());
}

void picture_control::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit moved(index_, event->buttons(), event->modifiers(), twips_of(1) * at.x(), twips_of(1) * at.y());
}

void picture_control::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit released(index_, event->button(), event->modifiers(), twips_of(1) * at.x(), twips_of(1) * at.y());
}

void picture_control::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit double_clicked(index_, event->button(), twips_of(1) * at.x(), twips_of(1) * at.y());
}

}  // namespace bench
