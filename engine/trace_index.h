// Where each output of the pass plan stands in the driver trace, so that the
// library's pass finds a driver in the trace, or among the drivers cleared
// from it, without searching the lists; a chain of drivers resolved on demand
// would otherwise cost a search of the whole trace at every link.
//
// The trace lists themselves are kept exactly as before. The index is exact
// only while the pass alone writes the trace (from one reset to the next), so
// outside the pass the lists are searched as they stand.
#pragma once

#include <cstdint>
#include <vector>

namespace lgsim {

class trace_index {
public:
    // For a plan with this many outputs; forgets everything.
    void size_for(std::size_t outputs) {
        listed_round_.assign(outputs, 0);
        listed_at_.assign(outputs, 0);
        cleared_round_.assign(outputs, 0);
        round_ = 1;
    }
    // The trace was reset: nothing is listed or cleared any more.
    void reset() { ++round_; }

    // The trace position of an output, 0 when it is not listed.
    int position(int output) const { return listed_round_[output] == round_ ? listed_at_[output] : 0; }
    bool cleared(int output) const { return cleared_round_[output] == round_; }

    void list(int output, int position) {
        listed_round_[output] = round_;
        listed_at_[output] = position;
    }
    void clear(int output) {
        listed_round_[output] = 0;
        cleared_round_[output] = round_;
    }

private:
    // 64 bits: a round number is never used twice for the life of a thread.
    std::uint64_t round_ = 1;
    std::vector<std::uint64_t> listed_round_;
    std::vector<int> listed_at_;
    std::vector<std::uint64_t> cleared_round_;
};

}  // namespace lgsim
