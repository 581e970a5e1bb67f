// The surface the board, the chip box and the instruments sit on, inside the
// window's scrolling area. It holds the view's scale, through which every
// widget on it turns twips into pixels, and lays the form out: the board with
// its margins, centred when the canvas is larger than the form.
#pragma once

#include <QWidget>

#include "board_geometry.h"
#include "form_layout.h"

namespace bench {

class board_canvas : public QWidget {
    Q_OBJECT
public:
    explicit board_canvas(QWidget* parent = nullptr);

    const view_scale& scale() const { return scale_; }
    // The form's top left on the canvas, pixels.
    QPoint origin() const { return origin_; }
    // A box of the form (twips from the form's top left) on the canvas.
    QRect place(const layout::box& box) const;
    // The form's size at a scale, pixels.
    static QSize form_size(const view_scale& scale);
    // Takes a new scale and sizes itself to hold the form and fill `least`.
    void set_view(const view_scale& scale, QSize least);

private:
    view_scale scale_;
    QPoint origin_;
};

// The scale of the canvas a widget sits on, or the files' scale when it sits
// on none.
const view_scale& scale_of(const QWidget* widget);

}  // namespace bench
