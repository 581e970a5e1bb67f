#pragma once

#include <QPixmap>

#include <array>
#include <vector>

namespace dscopex {

// Every picture the panel shows, drawn once when a control is made. Each
// list is indexed by the element's own position numbers (from 1, or 0 and 1
// for the two-position switch), entry 0 of the others left empty.
struct ScopeArt {
    QPixmap panel;   // the whole face, without the elements below
    QPixmap screen;  // the screen with its graticule, traces cleared
    std::array<std::vector<QPixmap>, 2> volts;        // 1 to 12, per channel
    std::array<std::vector<QPixmap>, 2> volts_large;  // 1 to 12, per channel
    std::vector<QPixmap> time;                        // 1 to 20
    std::vector<QPixmap> time_large;                  // 1 to 20
    std::array<std::vector<QPixmap>, 2> coupling;     // 1 to 3, per channel
    std::vector<QPixmap> display_mode;                // 1 to 3
    std::vector<QPixmap> two_position;                // 0 and 1
    std::vector<QPixmap> position_knob;               // frames 1 to 10, both channels
};

ScopeArt draw_scope_art();

}  // namespace dscopex
