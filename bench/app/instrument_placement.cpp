#include "instrument_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "board_canvas.h"
#include "display_geometry.h"
#include "form_layout.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// Candidate places lie this many pixels apart.
constexpr int kStep = 4;
// Weights: a pixel of another instrument or of a probe outweighs the
// breadboard, whose pixel outweighs any amount of the rest.
constexpr double kOtherInstrumentWeight = 1e12;
constexpr double kBreadboardWeight = 1e6;
constexpr double kPartWeight = 1;

double covered(const QRect& a, const std::vector<QRect>& areas) {
    double sum = 0;
    for (const QRect& b : areas) {
        const QRect both = a.intersected(b);
        if (!both.isEmpty()) sum += static_cast<double>(both.width()) * both.height();
    }
    return sum;
}

// The range of one coordinate: inside the visible span and, where that leaves
// any room, inside the reach too.
std::pair<int, int> span(int visible_from, int visible_to, int reach_from, int reach_to, int length) {
    const int from = visible_from, to = std::max(visible_from, visible_to - length);
    const int a = std::max(from, reach_from), b = std::min(to, reach_to);
    return a <= b ? std::make_pair(a, b) : std::make_pair(from, to);
}

}  // namespace

QPoint least_covering_place(QSize size, const placement_room& room) {
    const auto [left_from, left_to] = span(room.visible.left(), room.visible.right() + 1, room.reach.left(),
                                           room.reach.right(), size.width());
    const auto [top_from, top_to] = span(room.visible.top(), room.visible.bottom() + 1, room.reach.top(),
                                         room.reach.bottom(), size.height());
    QPoint best(std::clamp(room.preferred.x(), left_from, left_to), std::clamp(room.preferred.y(), top_from, top_to));
    double best_cost = std::numeric_limits<double>::max();
    const auto consider = [&](int x, int y) {
        const QRect at(QPoint(x, y), size);
        const double distance = std::hypot(x - room.preferred.x(), y - room.preferred.y());
        const double cost = kBreadboardWeight * covered(at, room.breadboard) +
                            kOtherInstrumentWeight * covered(at, room.others) + kPartWeight * covered(at, room.parts) +
                            distance * 1e-3;
        if (cost < best_cost) {
            best_cost = cost;
            best = at.topLeft();
        }
    };
    for (int y = top_from; y <= top_to; y += kStep) {
        for (int x = left_from; x <= left_to; x += kStep) consider(x, y);
        consider(left_to, y);
    }
    for (int x = left_from; x <= left_to; x += kStep) consider(x, top_to);
    return best;
}

std::vector<QRectF> breadboard_areas() {
    std::vector<QRectF> areas;
    for (int block = 0; block < 3; ++block) {
        const board_point first = point_position(block * 10, 0);
        const board_point last = point_position(block * 10 + 9, kGridColumns - 1);
        areas.emplace_back(QPointF(first.x - 90, first.y - 90), QPointF(last.x + 90, last.y + 90));
    }
    for (const int first_column : {0, 20}) {
        const board_point first = point_position(30, first_column);
        const board_point last = point_position(34, first_column + 19);
        areas.emplace_back(QPointF(first.x - 90, first.y - 90), QPointF(last.x + 90, last.y + 90));
    }
    return areas;
}

QPoint opening_place(const instrument_surroundings& around, QSize size, const QRect& reach, QPoint preferred,
                     const std::vector<QRect>& keep_clear) {
    const QWidget* canvas = around.window;
    const view_scale& scale = scale_of(around.board);
    const QPoint board_at = around.board->pos();
    const auto on_canvas = [&](const QRectF& twips) {
        return twips_rect(scale, twips.left(), twips.top(), twips.width(), twips.height()).translated(board_at);
    };
    placement_room room;
    const QRect shown = canvas->visibleRegion().boundingRect();
    room.visible = shown.isEmpty() ? canvas->rect() : shown;
    room.reach = reach;
    for (const QRectF& a : breadboard_areas()) room.breadboard.push_back(on_canvas(a));
    for (const QRectF& a : board_part_areas()) room.parts.push_back(on_canvas(a));
    if (around.open_instruments) room.others = around.open_instruments();
    if (around.probes_shown)
        for (const QRect& probe : around.probes_shown()) room.others.push_back(probe);
    room.others.insert(room.others.end(), keep_clear.begin(), keep_clear.end());
    room.preferred = preferred;
    return least_covering_place(size, room);
}

QPoint uncovered_place(const QRect& item, const std::vector<QRect>& covers, const QRect& bounds) {
    const auto clear = [&](const QRect& at) {
        if (!bounds.contains(at)) return false;
        return std::none_of(covers.begin(), covers.end(), [&](const QRect& c) { return c.intersects(at); });
    };
    if (clear(item)) return item.topLeft();
    constexpr int kApart = 6;
    QPoint best = item.topLeft();
    double best_distance = std::numeric_limits<double>::max();
    for (const QRect& c : covers) {
        const QPoint beside[] = {{c.left() - item.width() - kApart, item.top()},
                                 {c.right() + 1 + kApart, item.top()},
                                 {item.left(), c.top() - item.height() - kApart},
                                 {item.left(), c.bottom() + 1 + kApart}};
        for (const QPoint& p : beside) {
            const double distance = std::hypot(p.x() - item.left(), p.y() - item.top());
            if (distance < best_distance && clear(QRect(p, item.size()))) {
                best = p;
                best_distance = distance;
            }
        }
    }
    return best;
}

void bring_out_from_under(const instrument_surroundings& around, QWidget* probe) {
    const std::vector<QRect> covers = around.open_instruments ? around.open_instruments() : std::vector<QRect>{};
    const QPoint board_at = around.board->pos();
    const QPoint at = uncovered_place(probe->geometry().translated(board_at), covers,
                                      around.board->geometry()) - board_at;
    probe->move(at);
}

std::vector<QRectF> board_part_areas() {
    return {
        QRectF(kModulePictureAt.x, kModulePictureAt.y, 1620, 1545),  // display module
        QRectF(1380, 60, 7000, 620),                                 // LED strip
        QRectF(1050, 6310, 8110, 750),                               // terminals, switches, clock plate
        QRectF(layout::kRateStrip.left, layout::kRateStrip.top, layout::kRateStrip.width,
               layout::kRateStrip.height),
    };
}

}  // namespace bench
