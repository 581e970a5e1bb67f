// The ring around the connection point under the pointer: a layer over the
// board and everything on it that takes no mouse events of its own.
#pragma once

#include <QWidget>
#include <optional>

#include "board_geometry.h"

namespace bench {

class hover_ring : public QWidget {
    Q_OBJECT
public:
    explicit hover_ring(QWidget* board);

    void ring(std::optional<board_point> at);
    const std::optional<board_point>& ringed() const { return at_; }
    // The board changed size: cover it again.
    void cover_board();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect area_of(board_point at) const;

    std::optional<board_point> at_;
};

}  // namespace bench
