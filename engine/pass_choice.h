// Chooses, from what they cost on this circuit, between passing everything
// plainly at every call and the pass that runs only what changed
// (pass_memo.h), with whole calls answered from the calls remembered
// (call_memo.h). The second wins where most chips stand still or go round
// the same states; where nearly everything changes at every call, its
// bookkeeping costs more than it saves. Both give the same results, so the
// choice is only a matter of time: the one in use is timed now and then
// against a short stretch of the other, and the cheaper one is kept.
#pragma once

#include <algorithm>
#include <chrono>

#include "engine_tables.h"

namespace lgsim {

class pass_choice {
public:
    // Whether this call should use (or start) the pass memory.
    bool memo() const {
        if (way_ != pass_way::by_cost) return way_ == pass_way::memory;
        return trying_ ? !memo_ : memo_;
    }
    // Tests fix the way.
    void force(pass_way way) { way_ = way; }

    // After every call.
    void call_done() {
        ++calls_;
        if (calls_ == stretch_ - kTimed) start_ = clock::now();
        if (calls_ == stretch_) {
            cost_[memo_ ? 1 : 0] = elapsed_per_call();
            trying_ = true;
        } else if (calls_ == stretch_ + kSettle) {
            start_ = clock::now();
        } else if (calls_ == stretch_ + kSettle + kTimed) {
            cost_[memo_ ? 0 : 1] = elapsed_per_call();
            trying_ = false;
            memo_ = cost_[1] <= cost_[0];
            calls_ = 0;
            // Where one way is far cheaper, the other is tried less often:
            // each trial of it costs as much as many calls of the cheap one.
            const double ratio = std::max(cost_[0], cost_[1]) / std::max(std::min(cost_[0], cost_[1]), 1e-12);
            stretch_ = ratio > kFar ? kLongestStretch : ratio > kClearly ? kLongStretch : kStretch;
        }
    }

private:
    using clock = std::chrono::steady_clock;
    static constexpr int kStretch = 4096;  // calls between two trials
    static constexpr int kLongStretch = 16 * kStretch;
    static constexpr int kLongestStretch = 256 * kStretch;
    static constexpr double kClearly = 8.0;
    static constexpr double kFar = 32.0;
    static constexpr int kTimed = 64;      // calls timed of each
    static constexpr int kSettle = 4;      // calls of the other one before timing it

    double elapsed_per_call() const {
        return std::chrono::duration<double>(clock::now() - start_).count() / kTimed;
    }

    int stretch_ = kStretch;
    pass_way way_ = pass_way::by_cost;
    bool memo_ = true;
    bool trying_ = false;
    int calls_ = 0;
    clock::time_point start_{};
    double cost_[2] = {0, 0};  // seconds per call: plain, memo
};

}  // namespace lgsim
