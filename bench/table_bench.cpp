// ComputeBreakpointTable over the full scan of 100 percentages, with the
// number of allocations per table.
#include <benchmark/benchmark.h>

#include "breakpoint_table.h"
#include "count_allocations.h"

namespace {

void BM_ComputeBreakpointTable(benchmark::State& state) {
  const CalcInputs inputs{0.45, 3, 60, 100};
  const uint64_t before = AllocationCount();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeBreakpointTable(inputs));
  const auto allocations = static_cast<double>(AllocationCount() - before);
  state.counters["allocs_per_table"] = allocations / static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * 100);  // percentages scanned
}
BENCHMARK(BM_ComputeBreakpointTable);

}  // namespace
