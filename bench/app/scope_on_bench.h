// The oscilloscope on the bench: the control on the window, opened and
// closed from the icon `xiaoshiboqi` and dragged by its case with the timers
// held; its signal probe `示波器笔`(0) on the board with its lead to the R
// jack (the second probe never leaves the B jack); and the capture run that
// ends every kick of `Tcal` while it is shown.
#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "dmeterw.h"
#include "dscopew.h"
#include "instrument_surroundings.h"
#include "probe_leads.h"

namespace bench {

class scope_on_bench : public QObject {
    Q_OBJECT
public:
    // Opened size, the oscilloscope's own twips: it keeps its size at every zoom.
    static constexpr double kWidth = 6600;
    static constexpr double kHeight = 4215;

    // `meter` receives the mean of every capture run; `measuring` is the
    // meter's timer, held with the others while the oscilloscope is dragged.
    scope_on_bench(const instrument_surroundings& around, dmeterx::dmeterw* meter, QTimer* measuring,
                   QObject* parent);

    dscopex::Dscopew* scope() const { return scope_; }
    picture_control* probe(int k) const { return probes_[k]; }
    const board_lead& lead() const { return lead_; }
    bool dragging() const { return dragging_; }
    bool inverted() const { return inverted_; }
    bool probe_in_hand() const { return in_hand_; }

    void open();   // a click on the icon: opens, or closes when open
    void close();  // the close box
    // The end of a `Tcal` tick: a capture run while the oscilloscope is shown.
    void after_kick();
    // The board was redrawn (cleared unless mode 3): the lead goes on again.
    void board_redrawn(int mode);
    // Before the view changes: where the oscilloscope and its probes are on the board.
    void hold_place();
    // After: they are put back there, at the new scale.
    void rescale();

private:
    struct timer_states {
        bool measuring = false;
        bool clock = false;
        bool kick = false;
    };

    void scope_pressed(float x, float y);
    void scope_moved(short button, float x, float y);
    void scope_released();
    void probe_pressed(int k, double x, double y);
    void probe_moved(int k, double x, double y);
    void probe_released(int k, double x, double y);
    void keep_in_reach();
    void stop_timers();
    void draw_lead();

    instrument_surroundings around_;
    dmeterx::dmeterw* meter_;
    QTimer* measuring_;
    dscopex::Dscopew* scope_ = nullptr;
    std::array<picture_control*, 2> probes_{};
    art::drawing picture_;
    board_lead lead_;

    bool dragging_ = false;
    board_point grab_;  // oscilloscope twips
    std::optional<timer_states> held_;  // while dragged: the timers' states before
    bool in_hand_ = false;
    board_point probe_grab_;
    bool inverted_ = false;
    std::optional<held_place> held_place_;  // across a change of view
};

}  // namespace bench
