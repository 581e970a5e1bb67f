#include "board_view.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "board_geometry.h"
#include "trainer_art.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// The picture box scales its drawing to device pixels, so the trainer stays
// crisp at any device pixel ratio.
constexpr qreal kLayerScale = 2;

QImage render_trainer() {
    QImage image(static_cast<int>(std::ceil(to_pixels(kBoardWidth) * kLayerScale)),
                 static_cast<int>(std::ceil(to_pixels(kBoardHeight) * kLayerScale)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(kLayerScale);
    image.fill(QColor(255, 255, 192));
    QPainter p(&image);
    p.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    paint_trainer(p);
    return image;
}

}  // namespace

board_view::board_view(QWidget* parent) : QWidget(parent), trainer_(render_trainer()) {
    setObjectName(QStringLiteral("board"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    layer_ = trainer_;
}

void board_view::clear_layer() {
    layer_ = trainer_;
    update();
}

static void begin_twips(QPainter& p) {
    p.scale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
}

void board_view::draw_line(QPointF from, QPointF to, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, width_pixels * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    update_twips(QRectF(from, to).normalized(), width_pixels);
}

void board_view::draw_dot(QPointF at, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double r = std::max(width_pixels, 1.0) * kTwipsPerPixel / 2;
    p.drawEllipse(at, r, r);
    update_twips(QRectF(at, at), width_pixels);
}

void board_view::xor_line(QPointF from, QPointF to, const QColor& pen) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(pen, kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    update_twips(QRectF(from, to).normalized(), 1);
}

void board_view::draw_path(const QPainterPath& path, const QColor& colour, double width_pixels) {
    QPainter p(&layer_);
    begin_twips(p);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, width_pixels * kTwipsPerPixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    update_twips(path.boundingRect(), width_pixels);
}

void board_view::xor_path(const QPainterPath& path, const QColor& pen, double width_pixels) {
    // No antialiasing: partly covered pixels would not come back when drawn again.
    QPainter p(&layer_);
    begin_twips(p);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(pen, width_pixels * kTwipsPerPixel, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    update_twips(path.boundingRect(), width_pixels);
}

void board_view::draw_image(const QImage& image, QPointF at) {
    QPainter p(&layer_);
    begin_twips(p);
    const QSizeF size(to_twips(image.width() / image.devicePixelRatio()),
                      to_twips(image.height() / image.devicePixelRatio()));
    p.drawImage(QRectF(at, size), image);
    update_twips(QRectF(at, size), 0);
}

void board_view::update_twips(const QRectF& twips, double margin_pixels) {
    const double m = margin_pixels + 2;
    update(QRectF(twips.left() / kTwipsPerPixel - m, twips.top() / kTwipsPerPixel - m,
                  twips.width() / kTwipsPerPixel + 2 * m, twips.height() / kTwipsPerPixel + 2 * m)
               .toAlignedRect());
}

void board_view::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(rect()), layer_, QRectF(layer_.rect()));
}

static QPointF twips_at(QMouseEvent* event) {
    return event->position() * kTwipsPerPixel;
}

void board_view::mousePressEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
}

void board_view::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
    emit moved(event->buttons(), event->modifiers(), at.x(), at.y());
}

void board_view::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = twips_at(event);
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
    const QPointF at = event->position() * kTwipsPerPixel;
    emit chip_dropped(row, at.x(), at.y());
}

}  // namespace bench
