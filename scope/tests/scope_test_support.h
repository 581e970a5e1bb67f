#pragma once

#include "dscopew.h"

#include <QPoint>

#include <vector>

namespace dscopex::testing {

// The three arrays as a host keeps them: 211 entries, 0 to 210.
struct HostRecord {
    std::vector<double> channel1 = std::vector<double>(211, 0.0);
    std::vector<double> channel2 = std::vector<double>(211, 0.0);
    std::vector<double> timestep = std::vector<double>(211, 0.0);
};

HostRecord constant_record(double channel1, double channel2, double timestep);

// The record the bench builds from a burst of samples that toggle 1, 0, 1,
// ...: pairs of points, a step at every sample time, 8 time units in all.
HostRecord square_wave_record(int samples);

bool send(const HostRecord& record, Dscopew& scope);

// Pixel position of a point in control twips (twips are 15 a pixel, so
// points on multiples of 15 land exactly).
QPoint pixel_at(double x, double y);

// Mouse actions at control twips, delivered as the window system would.
void press(Dscopew& scope, double x, double y, Qt::MouseButton button = Qt::LeftButton);
void release(Dscopew& scope, double x, double y, Qt::MouseButton button = Qt::LeftButton);
void click(Dscopew& scope, double x, double y, Qt::MouseButton button = Qt::LeftButton);
void move(Dscopew& scope, double x, double y, Qt::MouseButtons held = Qt::NoButton);
void double_click(Dscopew& scope, double x, double y);

// Whether any pixel of the screen picture is the trace's green.
bool screen_shows_trace(const Dscopew& scope);

}  // namespace dscopex::testing
