#include "picture_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "board_canvas.h"

namespace bench {

picture_control::picture_control(QWidget* parent, int index) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void picture_control::set_picture(const art::drawing& picture) {
    if (pixmap_.isNull() && picture.key == drawing_.key && !drawing_.empty()) return;
    drawing_ = picture;
    pixmap_ = QPixmap();
    update();
}

void picture_control::set_picture(const QPixmap& picture) {
    if (drawing_.empty() && picture.cacheKey() == pixmap_.cacheKey()) return;
    pixmap_ = picture;
    drawing_ = {};
    update();
}

void picture_control::clear_picture() {
    if (!has_picture()) return;
    drawing_ = {};
    pixmap_ = QPixmap();
    update();
}

QPixmap picture_control::picture() const {
    if (!pixmap_.isNull()) return pixmap_;
    return drawing_.to_pixmap(size(), devicePixelRatioF());
}

void picture_control::paintEvent(QPaintEvent*) {
    if (!has_picture()) return;
    QPainter p(this);
    if (!drawing_.empty()) {
        drawing_.paint_into(p, QRectF(rect()));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), pixmap_);
}

QPointF picture_control::twips_at(const QMouseEvent* event) const {
    const view_scale& scale = scale_of(this);
    return {scale.to_twips(event->position().x()), scale.to_twips(event->position().y())};
}

void picture_control::mousePressEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit pressed(index_, event->button(), event->modifiers(), at.x(), at.y());
}

void picture_control::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit moved(index_, event->buttons(), event->modifiers(), at.x(), at.y());
}

void picture_control::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit released(index_, event->button(), event->modifiers(), at.x(), at.y());
}

void picture_control::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit double_clicked(index_, event->button(), at.x(), at.y());
}

}  // namespace bench
