#include "platform/Checked.h"

#include <limits>

#include "platform/Failure.h"

namespace tavrel::checked {

namespace {
[[noreturn]] void Overflow() {
    Fail("32-bit arithmetic overflow");
}
}  // namespace

int32_t Add(int32_t a, int32_t b) {
    int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) Overflow();
    return r;
}

int32_t Sub(int32_t a, int32_t b) {
    int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) Overflow();
    return r;
}

int32_t Mul(int32_t a, int32_t b) {
    int32_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) Overflow();
    return r;
}

int32_t Div(int32_t a, int32_t b) {
    if (b == 0) Fail("division by zero");
    if (a == std::numeric_limits<int32_t>::min() && b == -1) Overflow();
    return a / b;
}

int32_t Narrow(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        Overflow();
    return static_cast<int32_t>(value);
}

}  // namespace tavrel::checked
