// Counts the calls to the global operator new in the benchmark program, so a
// benchmark can report how many allocations one of its iterations makes.
#pragma once

#include <cstdint>

// Allocations since the program started; not thread-safe (benchmarks run on
// one thread).
[[nodiscard]] uint64_t AllocationCount() noexcept;
