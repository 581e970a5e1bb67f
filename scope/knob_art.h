#pragma once

#include <QPointF>
#include <QString>

class QPainter;

namespace dscopex {

// Drawing of the panel's knobs and switches. Every function paints in twips
// (the painter carries the twips transform) inside the element's own
// picture, whose top left is (0, 0).

struct DialStyle {
    double radius;        // the knob's skirt
    double tick_inner;    // the printed scale around it
    double tick_outer;
    double legend_size;   // font height of the setting shown below the knob
};

// A rotary switch with one printed tick per position; position counts from
// 1 at the lower left, clockwise.
void paint_dial(QPainter& painter, QPointF centre, const DialStyle& style, int position,
                int positions, const QString& legend);

// The endless vertical position knob, turned to one of its frames.
void paint_position_knob(QPainter& painter, QPointF centre, double radius, int frame, int frames);

// The three-way coupling slide, AC, GND and DC from left to right.
void paint_coupling_switch(QPainter& painter, double width, double height, int position);

// The three-way vertical display mode slide, top to bottom.
void paint_mode_switch(QPainter& painter, double width, double height, int position);

// The two-way toggle: lever up at 0, down at 1.
void paint_toggle(QPainter& painter, double width, double height, int position);

}  // namespace dscopex
