// The one place where the benchmark program replaces operator new: a counter
// in front of malloc. The aligned and nothrow forms fall back to these.
#include "count_allocations.h"

#include <cstdlib>
#include <new>

namespace {
uint64_t allocations = 0;
}  // namespace

uint64_t AllocationCount() noexcept { return allocations; }

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
