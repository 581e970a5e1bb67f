// Property access at the wrong time: the platform's property errors.
#pragma once

#include <stdexcept>

#include "dmeterx_export.h"

namespace dmeterx {

inline constexpr int kSetNotSupportedAtRunTime = 382;
inline constexpr int kSetNotPermitted = 387;
inline constexpr int kGetNotSupportedAtRunTime = 393;

class DMETERX_EXPORT property_error : public std::runtime_error {
public:
    property_error(int number, const char* property);
    int number() const noexcept { return number_; }

private:
    int number_;
};

}  // namespace dmeterx
