#include "board_canvas.h"

#include "twips_geometry.h"

namespace bench {

board_canvas::board_canvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("canvas"));
    resize(form_size(scale_));
}

QRect board_canvas::place(const layout::box& box) const {
    return twips_rect(scale_, box.left, box.top, box.width, box.height).translated(origin_);
}

QSize board_canvas::form_size(const view_scale& scale) {
    return {px(scale, layout::kFormWidth), px(scale, layout::kFormHeight)};
}

void board_canvas::set_view(const view_scale& scale, QSize least) {
    scale_ = scale;
    const QSize form = form_size(scale);
    const QSize size = form.expandedTo(least);
    origin_ = QPoint((size.width() - form.width()) / 2, (size.height() - form.height()) / 2);
    resize(size);
}

const view_scale& scale_of(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (const auto* canvas = qobject_cast<const board_canvas*>(w)) return canvas->scale();
    return kFileScale;
}

}  // namespace bench
