#pragma once

#include <cstdint>

// 32-bit arithmetic in which an overflow is a failing step, as it is for every number the bar
// computes from sizes, counts and positions that come from outside.
namespace tavrel::checked {

int32_t Add(int32_t a, int32_t b);
int32_t Sub(int32_t a, int32_t b);
int32_t Mul(int32_t a, int32_t b);
// Integer division truncating towards zero; division by zero fails.
int32_t Div(int32_t a, int32_t b);
int32_t Narrow(int64_t value);

}  // namespace tavrel::checked
