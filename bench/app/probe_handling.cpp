#include "probe_handling.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainterPath>

#include "instrument_surroundings.h"
#include "probe_art.h"

namespace bench {

namespace {

// The probe cursor's tip lies this far from where the picture's own tip
// would be, so the picture follows the cursor as if still held.
constexpr double kCarryLeft = 80;
constexpr double kCarryDown = 280;
// A picture that left the board comes back this far inside it.
constexpr double kBackOnBoard = 600;
constexpr double kContactMark = 25;  // radius, twips

}  // namespace

void shape_probe(picture_control* probe, const art::drawing& picture) {
    const QImage outline = picture.to_pixmap(probe->size(), 1).toImage();
    if (outline.isNull()) return;
    probe->setMask(QBitmap::fromImage(outline.createAlphaMask(Qt::ThresholdAlphaDither)));
}

void pick_up_probe(picture_control* probe) {
    probe->raise();
    probe->clear_picture();
    QGuiApplication::setOverrideCursor(art::probe_cursor());
}

bool probe_carried(const picture_control* probe) { return !probe->has_picture(); }

void show_probe(picture_control* probe, const art::drawing& picture) {
    probe->set_picture(picture);
    probe->show();
}

void carry_probe(picture_control* probe, board_point grab, double x, double y) {
    const QRectF at = twips_geometry(probe);
    move_to_twips(probe, at.left() + x - grab.x - kCarryLeft, at.top() + y - grab.y + kCarryDown);
}

board_point keep_probe_on_board(picture_control* probe, double x, double y) {
    const QRectF at = twips_geometry(probe);
    double left = at.left();
    double top = at.top();
    if (left < 0) left = 0;
    if (left + at.width() > kBoardWidth) left = kBoardWidth - kBackOnBoard;
    if (top > kBoardHeight) top = kBoardHeight - kBackOnBoard;
    if (top + at.height() <= 0) top = kBackOnBoard - at.height();
    move_to_twips(probe, left, top);
    return {left + x, top + y};
}

void set_probe_down(board_view& board, picture_control* probe, board_point contact, double tip_x,
                    double tip_from_bottom) {
    QPainterPath mark;
    mark.addEllipse(QPointF(contact.x, contact.y), kContactMark, kContactMark);
    board.draw_path(mark, Qt::black, 1);
    if (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
    move_to_twips(probe, contact.x - tip_x, contact.y - twips_geometry(probe).height() + tip_from_bottom);
}

}  // namespace bench
