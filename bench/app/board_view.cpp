#include "board_view.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "art_style.h"
#include "board_canvas.h"
#include "trainer_art.h"

namespace bench {

namespace {

// Pen widths are given in pixels of the board at zoom 1.
constexpr double pen_twips(double width_pixels) { return width_pixels * kFileTwipsPerPixel; }

}  // namespace

board_view::board_view(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("board"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rescale();
}

bool board_view::rescale() {
    const view_scale& scale = scale_of(this);
    const qreal ratio = devicePixelRatioF();
    if (scale.twips_per_pixel == drawn_twips_per_pixel_ && ratio == drawn_ratio_ && size() == drawn_size_)
        return false;
    drawn_twips_per_pixel_ = scale.twips_per_pixel;
    drawn_ratio_ = ratio;
    drawn_size_ = size();
    // The picture covers the widget and the whole board, in device pixels.
    const QSizeF board(scale.to_pixels(kBoardWidth), scale.to_pixels(kBoardHeight));
    const QSizeF logical = board.expandedTo(QSizeF(size()));
    QImage image(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(255, 255, 192));
    QPainter p(&image);
    p.scale(1 / scale.twips_per_pixel, 1 / scale.twips_per_pixel);
    paint_trainer(p, art::text_floor_twips(scale));
    p.end();
    trainer_ = image;
    layer_ = trainer_;
    ++layer_generation_;
    update();
    return true;
}

void board_view::clear_layer() {
    layer_ = trainer_;
    ++layer_generation_;
    update();
}

void board_view::begin_twips(QPainter& p) const {
    const double s = 1 / scale_of(this).twips_per_pixel;
    p.scale(s, s);
}

QPointF board_view::twips_at(QPointF widget_pixels) const {
    return widget_pixels * scale_of(this).twips_per_pixel;
}

void board_view::draw_line(QPointF from, QPointF to, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, pen_twips(width_pixels), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    update_twips(QRectF(from, to).normalized(), width_pixels);
}

void board_view::draw_dot(QPointF at, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double r = pen_twips(std::max(width_pixels, 1.0)) / 2;
    p.drawEllipse(at, r, r);
    update_twips(QRectF(at, at), width_pixels);
}

void board_view::xor_line(QPointF from, QPointF to, const QColor& pen) {
    // No antialiasing: partly covered pixels would not come back when drawn again.
    QPainter p(&layer_);
    begin_twips(p);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(pen, pen_twips(1), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    update_twips(QRectF(from, to).normalized(), 1);
}

void board_view::draw_path(const QPainterPath& path, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, pen_twips(width_pixels), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    update_twips(path.boundingRect(), width_pixels);
}

void board_view::xor_path(const QPainterPath& path, const QColor& pen, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(pen, pen_twips(width_pixels), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    update_twips(path.boundingRect(), width_pixels);
}

void board_view::draw_picture(const art::drawing& picture, QPointF at) {
    QPainter p(&layer_);
    begin_twips(p);
    const QRectF where(at, QSizeF(picture.width, picture.height));
    picture.paint_into(p, where);
    update_twips(where, 0);
}

void board_view::update_twips(const QRectF& twips, double margin_pixels) {
    const view_scale& scale = scale_of(this);
    const double m = margin_pixels * scale.zoom() + 2;
    update(QRectF(scale.to_pixels(twips.left()) - m, scale.to_pixels(twips.top()) - m,
                  scale.to_pixels(twips.width()) + 2 * m, scale.to_pixels(twips.height()) + 2 * m)
               .toAlignedRect());
}

void board_view::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The layer holds the widget's own device pixels: copied, never resampled.
    p.drawImage(QPointF(0, 0), layer_);
}

void board_view::mousePressEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event->position());
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
}

void board_view::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event->position());
    emit moved(event->buttons(), event->modifiers(), at.x(), at.y());
}

void board_view::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event->position());
    emit released(event->button(), event->modifiers(), at.x(), at.y());
}

void board_view::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kChipRowMime)) event->acceptProposedAction();
}

void board_view::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kChipRowMime)) event->acceptProposedAction();
}

void board_view::dropEvent(QDropEvent* event) {
    bool ok = false;
    const int row = QString::fromLatin1(event->mimeData()->data(kChipRowMime)).toInt(&ok);
    if (!ok) return;
    event->acceptProposedAction();
    const QPointF at = twips_at(event->position());
    emit chip_dropped(row, at.x(), at.y());
}

}  // namespace bench
