#pragma once

#include "panel_layout.h"
#include "scope_art.h"
#include "scope_panel.h"
#include "scope_record.h"
#include "scope_trace.h"

#include <QVariantMap>
#include <QWidget>

#include <array>
#include <span>
#include <vector>

class QPainter;

namespace dscopex {

class ScopeScreen;

// The two-channel oscilloscope the bench hosts. The host hands it records
// with data_trans and tells it where its leads end; the panel's knobs and
// switches are worked with the mouse. Presses that hit no panel element are
// passed to the host as MouseDown, so that it can move the instrument.
// Coordinates in the members and events are twips of the control.
class Dscopew : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag)

public:
    explicit Dscopew(QWidget* parent = nullptr);
    ~Dscopew() override;

    // A flag the host may keep with the control; nothing in it reads it.
    bool Enabled() const { return enabled_; }
    void setEnabledFlag(bool on) { enabled_ = on; }

    // Kept for hosts that call it; the control repaints by itself.
    void Refresh() {}

    // Stores one record (samples 0 to 200 of both channels and time steps 1
    // to 200) and, with the display on, draws it before returning. Arrays
    // too short for those samples are refused: nothing changes and the
    // result is false.
    bool data_trans(std::span<const double> vultage1, std::span<const double> vultage2,
                    std::span<const double> timestep);

    // The jack positions as the leads were last drawn from.
    void re_ctl_xy(float& Rposx, float& Rposy, float& Bposx, float& Bposy) const;

    // Where the red (signal) and black leads end, in control twips.
    void R_re_bgd_xy(float posx, float posy);
    void B_re_bgd_xy(float posx, float posy);

    // Both leads are drawn with every repaint; this asks for one.
    void draw_lines();

    // One lead arc from (Xo, Yo) to (X, Y) with the painter's pen; the
    // painter works in the control's pixels.
    void draw_leg_v(QPainter& painter, float Xo, float Yo, float X, float Y) const;

    // A scale code the host may set; the control does not use it.
    void setm_scale(short scl) { scale_code_ = scl; }

    // The saved property "Enabled" (false when absent).
    void readProperties(const QVariantMap& bag);
    void writeProperties(QVariantMap& bag) const;

    // What the control holds and shows.
    const ScopePanel& panel() const { return panel_; }
    const ScopeRecord& record() const { return record_; }
    // The segments each channel has on the screen now (empty when not drawn).
    const std::array<std::vector<TraceSegment>, 2>& drawn_traces() const { return drawn_; }
    const QImage& screen_image() const;

    QSize sizeHint() const override;

signals:
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void press(Element element, bool left_button, double y);
    void drag_position_knob(double y);
    void hover(double x, double y);
    void shrink_knobs();
    void toggle_power();
    void draw_traces();
    void clear_screen();
    void after_setting_change();
    void paint_pictures(QPainter& painter) const;
    void paint_leads(QPainter& painter);

    ScopeArt art_;
    ScopeScreen* screen_ = nullptr;  // a child, owned by this widget

    ScopeRecord record_;
    ScopePanel panel_;
    std::array<std::vector<TraceSegment>, 2> drawn_;

    int dragged_channel_ = -1;  // the position knob being turned, -1 none
    double drag_last_y_ = 0;

    // Known from the start, so that re_ctl_xy is right before the first paint.
    TwipsPoint red_jack_ = kRedJack;
    TwipsPoint black_jack_ = kBlackJack;
    TwipsPoint red_end_{0, 0};
    TwipsPoint black_end_{0, 0};

    bool enabled_ = false;
    short scale_code_ = 0;
};

}  // namespace dscopex
