// The whole Calculate path without the window, on the default field texts:
// the four field rules, the table, both cell texts of every row. Beside it the
// same path built from the C library (wcstod, wcstol, swprintf) around the
// same table.
#include <benchmark/benchmark.h>

#include <cwchar>
#include <variant>
#include <vector>

#include "breakpoint_table.h"
#include "calc_inputs.h"
#include "count_allocations.h"
#include "format_row.h"

namespace {

constexpr const wchar_t* kDefaults[] = {L"0.45", L"3", L"60", L"81"};

void FormatAll(const std::vector<BreakpointRow>& rows) {
  for (const auto& row : rows) {
    wchar_t reaText[32];
    wchar_t bpsText[64];
    FormatBreakpointRow(row, reaText, bpsText);
    benchmark::DoNotOptimize(reaText);
    benchmark::DoNotOptimize(bpsText);
  }
}

void BM_CalculatePath(benchmark::State& state) {
  const uint64_t before = AllocationCount();
  for (auto _ : state) {
    // One rule at a time, as the window applies them.
    const auto baseRea = ParseBaseRea(kDefaults[0]);
    const auto firingMode = ParseFiringMode(kDefaults[1]);
    const auto fps = ParseFps(kDefaults[2]);
    const auto reaLimit = ParseReaLimit(kDefaults[3]);
    const CalcInputs inputs{std::get<double>(baseRea), std::get<int32_t>(firingMode),
                            std::get<int32_t>(fps), std::get<int32_t>(reaLimit)};
    FormatAll(ComputeBreakpointTable(inputs));
  }
  const auto allocations = static_cast<double>(AllocationCount() - before);
  state.counters["allocs_per_calculate"] = allocations / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CalculatePath);

int32_t CLibInteger(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  return end != text && *end == L'\0' ? static_cast<int32_t>(value) : 0;
}

void BM_CalculatePathCLib(benchmark::State& state) {
  for (auto _ : state) {
    wchar_t* end = nullptr;
    const double baseRea = std::wcstod(kDefaults[0], &end);
    benchmark::DoNotOptimize(*end == L'\0' && baseRea > 0.0);
    const CalcInputs inputs{baseRea, CLibInteger(kDefaults[1]), CLibInteger(kDefaults[2]),
                            CLibInteger(kDefaults[3])};
    for (const auto& row : ComputeBreakpointTable(inputs)) {
      wchar_t reaText[32];
      wchar_t bpsText[64];
      std::swprintf(reaText, 32, L"%d", row.reaPercent);
      std::swprintf(bpsText, 64, L"%.3f", row.bps);
      benchmark::DoNotOptimize(reaText);
      benchmark::DoNotOptimize(bpsText);
    }
  }
}
BENCHMARK(BM_CalculatePathCLib);

}  // namespace
