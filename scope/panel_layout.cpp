#include "panel_layout.h"

namespace dscopex {

bool is_enlarged(const ScopePanel& panel, Element element) {
    switch (element) {
    case Element::Ch1Volts: return panel.volts_enlarged[0];
    case Element::Ch2Volts: return panel.volts_enlarged[1];
    case Element::Time: return panel.time_enlarged;
    default: return false;
    }
}

const TwipsRect& current_area(const ScopePanel& panel, Element element) {
    const ElementLayout& layout = layout_of(element);
    return is_enlarged(panel, element) ? layout.enlarged_area : layout.area;
}

Element element_at(const ScopePanel& panel, double x, double y) {
    for (const ElementLayout& layout : kElements)
        if (current_area(panel, layout.element).contains(x, y)) return layout.element;
    return Element::None;
}

}  // namespace dscopex
