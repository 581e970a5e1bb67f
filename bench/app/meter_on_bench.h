// The multimeter on the bench: the control on the window, opened from the
// icon `xiaowanyongbiao` and dragged by its case; the probes `表笔`(0, 1) on
// the board with their leads; and the one-shot measuring timer `万用表测试`,
// whose tick writes the reading into the meter.
#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>

#include "dmeterw.h"
#include "instrument_surroundings.h"
#include "probe_leads.h"

namespace bench {

class meter_on_bench : public QObject {
    Q_OBJECT
public:
    // Opened size, the meter's own twips: it keeps its size at every zoom.
    static constexpr double kWidth = 2595;
    static constexpr double kHeight = 3465;

    meter_on_bench(const instrument_surroundings& around, QObject* parent);

    dmeterx::dmeterw* meter() const { return meter_; }
    picture_control* probe(int k) const { return probes_[k]; }
    QTimer* measuring_timer() const { return timer_; }
    const board_lead& lead(int k) const { return leads_[k]; }
    bool dragging() const { return dragging_; }
    bool inverted() const { return inverted_; }
    int probe_in_hand() const { return in_hand_; }  // -1 none

    void open();   // a click on the icon
    void close();  // the close box
    void start_measuring() { timer_->start(); }
    // The measuring tick: the reading at the probes goes into `value_prop`.
    void measure();
    // The board was redrawn (cleared unless mode 3): the leads go on again.
    void board_redrawn(int mode);
    // Before the view changes: where the meter and its probes are on the board.
    void hold_place();
    // After: they are put back there, at the new scale.
    void rescale();

private:
    void meter_pressed(std::int16_t button, float x, float y);
    void meter_moved(float x, float y);
    void meter_released();
    void probe_pressed(int k, double x, double y);
    void probe_moved(int k, double x, double y);
    void probe_released(int k, double x, double y);
    void keep_in_reach();
    void draw_lead(int k);
    void draw_leads();

    instrument_surroundings around_;
    dmeterx::dmeterw* meter_ = nullptr;
    std::array<picture_control*, 2> probes_{};
    std::array<art::drawing, 2> pictures_;
    QTimer* timer_ = nullptr;
    std::array<board_lead, 2> leads_{};

    bool dragging_ = false;
    board_point grab_;        // meter twips
    board_point probe_grab_;  // probe picture twips
    int in_hand_ = -1;
    bool inverted_ = false;   // leads in exclusive-or while something is dragged
    int range_seen_ = 0;      // the range knob's position at the last press on the meter
    std::optional<held_place> held_;  // across a change of view
};

}  // namespace bench
