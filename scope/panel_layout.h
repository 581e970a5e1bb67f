#pragma once

#include "scope_panel.h"
#include "twips.h"

#include <array>

namespace dscopex {

// Rectangles in control twips, edges included.
struct TwipsRect {
    double left, top, right, bottom;
    constexpr double width() const { return right - left; }
    constexpr double height() const { return bottom - top; }
    constexpr bool contains(double x, double y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// A picture's place on the panel: origin in twips (a whole pixel) and size.
constexpr TwipsRect picture_at(double pixel_x, double pixel_y, double width, double height) {
    const double left = pixel_x * kTwipsPerPixel;
    const double top = pixel_y * kTwipsPerPixel;
    return {left, top, left + width, top + height};
}

inline constexpr double kControlWidth = 6615;
inline constexpr double kControlHeight = 4215;

// The panel elements in the order a press is tried on them.
enum class Element {
    Ch1Volts,
    Ch2Volts,
    Time,
    Ch1Coupling,
    Ch2Coupling,
    DisplayMode,
    TwoPosition,
    Ch1Position,
    Ch2Position,
    ShiftButton,
    None,
};

struct ElementLayout {
    Element element;
    TwipsRect area;
    TwipsRect enlarged_area;
    TwipsRect picture;
    TwipsRect enlarged_picture;
};

// Picture origins sit on whole pixels, hence the pixel figures passed to
// picture_at; the enlarged area and picture of an element that never grows
// are its normal ones.
inline constexpr std::array<ElementLayout, 10> kElements{{
    {Element::Ch1Volts, {300, 430, 1000, 1130}, {205, 305, 1240, 1205},
     picture_at(20, 29, 700, 700), picture_at(14, 20, 1035, 900)},
    {Element::Ch2Volts, {315, 2300, 1140, 3065}, {180, 2155, 1260, 3160},
     picture_at(21, 153, 825, 765), picture_at(12, 144, 1080, 1005)},
    {Element::Time, {5460, 870, 6465, 1635}, {5145, 630, 6555, 1755},
     picture_at(364, 58, 1005, 765), picture_at(343, 42, 1410, 1125)},
    {Element::Ch1Coupling, {415, 1260, 1030, 1530}, {415, 1260, 1030, 1530},
     picture_at(28, 84, 615, 270), picture_at(28, 84, 615, 270)},
    {Element::Ch2Coupling, {435, 3090, 1050, 3360}, {435, 3090, 1050, 3360},
     picture_at(29, 206, 615, 270), picture_at(29, 206, 615, 270)},
    {Element::DisplayMode, {1275, 1710, 1440, 2115}, {1275, 1710, 1440, 2115},
     picture_at(85, 114, 165, 405), picture_at(85, 114, 165, 405)},
    {Element::TwoPosition, {1260, 2760, 1455, 3045}, {1260, 2760, 1455, 3045},
     picture_at(84, 184, 195, 285), picture_at(84, 184, 195, 285)},
    {Element::Ch1Position, {1005, 1185, 1485, 1725}, {1005, 1185, 1485, 1725},
     picture_at(68, 84, 450, 390), picture_at(68, 84, 450, 390)},
    {Element::Ch2Position, {1005, 3240, 1485, 3570}, {1005, 3240, 1485, 3570},
     picture_at(71, 214, 450, 390), picture_at(71, 214, 450, 390)},
    {Element::ShiftButton, {5595, 345, 6060, 720}, {5595, 345, 6060, 720},
     {5595, 345, 6060, 720}, {5595, 345, 6060, 720}},
}};

inline constexpr const ElementLayout& layout_of(Element element) {
    return kElements[static_cast<int>(element)];
}

inline constexpr TwipsRect kScreenRect{1515, 375, 1515 + 3870, 375 + 3225};
inline constexpr TwipsRect kPowerSwitch{1725, 3690, 2100, 4050};

struct TwipsPoint {
    double x, y;
};
inline constexpr TwipsPoint kRedJack{360, 1980};
inline constexpr TwipsPoint kBlackJack{380, 3860};

// Whether a big knob is shown enlarged right now.
bool is_enlarged(const ScopePanel& panel, Element element);

// The area a press on the element is taken in, by its current size.
const TwipsRect& current_area(const ScopePanel& panel, Element element);

// The first element, in press order, whose current area holds the point.
Element element_at(const ScopePanel& panel, double x, double y);

}  // namespace dscopex
