// FormatBreakpointRow beside swprintf "%d" and "%.3f" on the rows of the
// default inputs.
#include <benchmark/benchmark.h>

#include <cwchar>
#include <vector>

#include "breakpoint_table.h"
#include "format_row.h"

namespace {

const std::vector<BreakpointRow>& DefaultRows() {
  static const std::vector<BreakpointRow> rows = ComputeBreakpointTable({0.45, 3, 60, 81});
  return rows;
}

void BM_FormatBreakpointRow(benchmark::State& state) {
  const auto& rows = DefaultRows();
  wchar_t reaText[32];
  wchar_t bpsText[64];
  for (auto _ : state) {
    for (const auto& row : rows) {
      FormatBreakpointRow(row, reaText, bpsText);
      benchmark::DoNotOptimize(reaText);
      benchmark::DoNotOptimize(bpsText);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(rows.size()));
}
BENCHMARK(BM_FormatBreakpointRow);

void BM_Swprintf(benchmark::State& state) {
  const auto& rows = DefaultRows();
  wchar_t reaText[32];
  wchar_t bpsText[64];
  for (auto _ : state) {
    for (const auto& row : rows) {
      std::swprintf(reaText, 32, L"%d", row.reaPercent);
      std::swprintf(bpsText, 64, L"%.3f", row.bps);
      benchmark::DoNotOptimize(reaText);
      benchmark::DoNotOptimize(bpsText);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(rows.size()));
}
BENCHMARK(BM_Swprintf);

}  // namespace
