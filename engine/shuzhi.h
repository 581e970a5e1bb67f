// The chip simulation engine: one call of shuzhi::sim is one evaluation pass
// over the whole circuit (see engine_tables.h for the tables it works on).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace lgsim {

using value_code = std::int16_t;

// An index outside an argument array (or an engine table) fails the call.
class SubscriptError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// `name` set to a value outside -32768..32767.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

// A two-dimensional table indexed (pin, chip); the pin varies fastest in memory.
class PinArray {
public:
    explicit PinArray(int pin_count = 61, int chip_count = 1);
    value_code& operator()(int pin, int chip);
    const value_code& operator()(int pin, int chip) const;
    int pin_count() const { return pin_count_; }
    int chip_count() const { return chip_count_; }
    // Keeps the elements whose indices remain; new elements are 0.
    void resize(int pin_count, int chip_count);
    value_code* data() { return cells_.data(); }
    const value_code* data() const { return cells_.data(); }

private:
    int pin_count_;
    int chip_count_;
    std::vector<value_code> cells_;
};

// 0 for the codes 0, 4, 6 and 11; 1 for every other code.
value_code logic_level(value_code code);

class shuzhi {
public:
    std::int16_t sim(std::int16_t chip_number, std::int16_t max_node_number,
                     const std::vector<std::string>& chip_model, PinArray& chip_pin_number,
                     const std::vector<value_code>& v_node_in, std::vector<value_code>& v_node,
                     PinArray& v_chip_pin, bool& new_circuit);
    double name() const;
    void set_name(double value);  // rounds half to even; throws OverflowError out of range
    void VcalIcAll();
};

}  // namespace lgsim
