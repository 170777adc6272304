#pragma once

#include <cmath>
#include <cstdint>

#include "platform/Failure.h"

namespace tavrel {

// A measure read from a surface as a fraction becomes a whole number by rounding to the nearest,
// ties to even (2.5 -> 2, 3.5 -> 4). A value outside the 32-bit range is a failing step.
inline int32_t RoundHalfEven(double value) {
    if (!(value > -2147483648.5 && value < 2147483647.5)) Fail("value out of 32-bit range");
    const double r = std::nearbyint(value);  // the default rounding mode rounds ties to even
    if (r < -2147483648.0 || r > 2147483647.0) Fail("value out of 32-bit range");
    return static_cast<int32_t>(r);
}

}  // namespace tavrel

namespace tavrel {

// The whole part of a value, as integer division leaves it; outside the 32-bit range it fails.
inline int32_t TruncateToInt32(double value) {
    const double t = std::trunc(value);
    if (!(t >= -2147483648.0 && t <= 2147483647.0)) Fail("value out of 32-bit range");
    return static_cast<int32_t>(t);
}

}  // namespace tavrel
