#include "property_error.h"

#include <string>

namespace dmeterx {

namespace {

std::string describe(int number, const char* property) {
    const std::string name = std::string("'") + property + "' ";
    switch (number) {
    case kSetNotSupportedAtRunTime: return name + "cannot be set at run time (error 382)";
    case kSetNotPermitted: return name + "cannot be set (error 387)";
    case kGetNotSupportedAtRunTime: return name + "cannot be read at run time (error 393)";
    default: return name + "cannot be used now (error " + std::to_string(number) + ")";
    }
}

}  // namespace

property_error::property_error(int number, const char* property)
    : std::runtime_error(describe(number, property)), number_(number) {}

}  // namespace dmeterx
