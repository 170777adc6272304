#pragma once

#include <cstdint>

// Every heap allocation of the benchmark program is counted, so that a case can report how many
// happen while an animation runs.
namespace tavrel::bench {

int64_t Allocations();

}  // namespace tavrel::bench
