// The needle multimeter control: a dial, a 20-position range switch, a red
// plug that moves between four jacks, the fixed black plug, and a needle that
// sweeps to whatever value the host writes into `value_prop`. It knows nothing
// of circuits; presses it does not use itself go to the host as events.
//
// Coordinates are twips inside the control. The members keep their interface
// names; a property `P` is read with `P()` and written with `set_P()`.
#pragma once

#include <QFont>
#include <QImage>
#include <QPen>
#include <QString>
#include <QWidget>
#include <array>
#include <chrono>
#include <cstdint>

#include "dmeterx_export.h"
#include "meter_units.h"
#include "needle_scales.h"
#include "property_bag.h"
#include "property_error.h"

namespace dmeterx {

class DMETERX_EXPORT dmeterw : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kClassId = "{29D3EEA5-5ECB-4293-9BC2-79E5AB8138FD}";
    static constexpr const char* kMembersId = "{6B816D7D-0213-451E-A5D9-E2ADFB366259}";
    static constexpr const char* kEventsId = "{3EB5D9F8-88B6-4F51-9086-0BFAA7DB3346}";

    // Button and Shift values carried by the mouse events.
    static constexpr std::int16_t kLeftButton = 1;
    static constexpr std::int16_t kRightButton = 2;
    static constexpr std::int16_t kMiddleButton = 4;
    static constexpr std::int16_t kShiftKey = 1;
    static constexpr std::int16_t kCtrlKey = 2;
    static constexpr std::int16_t kAltKey = 4;

    explicit dmeterw(QWidget* parent = nullptr);
    ~dmeterw() override;

    // Inside a form designer the control is at design time; in a running
    // program (the default) at run time. Some properties care (see below).
    bool design_mode() const { return design_mode_; }
    void set_design_mode(bool on) { design_mode_ = on; }

    // --- Public members, in their interface order. ---
    std::uint32_t BackColor() const { return back_colour_; }  // 0x00BBGGRR
    void set_BackColor(std::uint32_t colour);
    std::uint32_t ForeColor() const { return fore_colour_; }
    void set_ForeColor(std::uint32_t colour);
    // Stored only: it does not enable or disable the widget.
    bool Enabled() const { return enabled_flag_; }
    void set_Enabled(bool on);
    QFont Font() const { return font_; }
    void set_Font(const QFont& font);
    std::int16_t BackStyle() const { return back_style_; }
    void set_BackStyle(std::int16_t style);
    std::int16_t BorderStyle() const { return border_style_; }
    void set_BorderStyle(std::int16_t style);
    void Refresh() {}
    // The dial picture; a null picture (the default) shows the control's own dial.
    QImage Picture() const { return picture_; }
    void set_Picture(const QImage& picture);
    // Draws red plug picture zoomflag * 4 + pos_in_out * 2 with its tip at
    // (pos_x, pos_y); picture numbers other than 0, 2, 4 and 6 draw nothing.
    void show_chatou(float& zoomflag, float& pos_in_out, float& pos_x, float& pos_y);
    void show_chatou_b();
    // Sets the plugged-in flag: on while the red plug rests in a jack.
    void be_in_chacong();
    void draw_leg_v(float Xo, float Yo, float X, float Y);
    void draw_line();
    // Write at run time only (387 at design time); read at design time only (393 at run time).
    double value_prop() const;
    void set_value_prop(double value);
    // Set by the range switch alone: writing fails with 387 at design time, 382 at run time.
    float value_type() const { return kind_; }
    void set_value_type(float kind);
    void alfa_cal();
    void scale_type_cal();
    void pointer_move();
    void RESpointer_move();
    // Write at design time only (382 at run time).
    QString in_res() const { return in_res_; }
    void set_in_res(const QString& resistance);
    void res_pos_alfa_ini();
    void res_values_ini();
    double getValuescale() const { return full_scale_; }

    // --- Saved properties. ---
    void save_properties(property_bag& bag) const;
    void load_properties(const property_bag& bag);

    // --- State a host or a test may look at. ---
    int range_position() const { return range_position_; }
    twips_point plug_position() const { return plug_; }
    int current_jack() const { return current_jack_; }
    bool plug_dragging() const { return drag_.active; }
    bool plugged_in() const { return pos_in_out_ != 0; }
    int linear_needle_step() const { return linear_step_; }
    int ohm_needle_step() const { return ohm_step_; }
    twips_point needle_tip() const { return needle_tip_; }

    // The pause after each needle step, which sets the sweep speed. A sweep
    // runs to its end inside the `value_prop` write; zero makes it instant.
    std::chrono::microseconds step_delay() const { return step_delay_; }
    void set_step_delay(std::chrono::microseconds delay) { step_delay_ = delay; }

    QSize sizeHint() const override;

signals:
    // Presses, moves and releases the control does not use itself.
    void MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    // A saved property was written, so the host's copy is out of date.
    void property_changed(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct plug_drag {
        bool active = false;
        twips_point began_at;
    };

    void turn_knob(bool left_button);
    void sweep_needle(int from, int to, double start_angle);
    void rebuild_surface();
    void draw_knob_picture();
    QImage& canvas();
    QFont host_font() const;

    bool design_mode_ = false;

    double value_ = 0;
    float kind_;
    int range_position_;
    double full_scale_;
    QString in_res_;
    twips_point plug_;
    int current_jack_;
    plug_drag drag_;
    float pos_in_out_ = 0;
    bool range_changed_ = true;

    linear_scale_angles linear_{};
    ohm_table ohm_readings_{};
    ohm_table ohm_angles_{};
    int linear_step_ = 0;
    int ohm_step_ = 0;
    twips_point needle_tip_;
    std::chrono::microseconds step_delay_;

    std::uint32_t back_colour_;
    std::uint32_t fore_colour_ = 0;
    bool enabled_flag_ = false;
    QFont font_;
    std::int16_t back_style_ = 0;
    std::int16_t border_style_ = 0;
    QImage picture_;

    // The persistent drawing layer: the dial and the knob picture. Each repaint
    // copies it into the frame and draws plugs, leads and needle on the copy.
    QImage surface_;
    QImage frame_;
    bool painting_ = false;
    QPen lead_pen_;
};

}  // namespace dmeterx
