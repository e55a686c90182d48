// The integer field rules beside wcstol in base 10 with the same checks
// (whole text, saturated to int32, >= 1).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cwchar>
#include <iterator>

#include "calc_inputs.h"
#include "field_texts.h"

namespace {

constexpr auto kTextCount = static_cast<int64_t>(std::size(kIntegerTexts));

void BM_ParseInteger(benchmark::State& state) {
  for (auto _ : state) {
    for (const wchar_t* text : kIntegerTexts) benchmark::DoNotOptimize(ParseFiringMode(text));
  }
  state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_ParseInteger);

void BM_Wcstol(benchmark::State& state) {
  for (auto _ : state) {
    for (const wchar_t* text : kIntegerTexts) {
      wchar_t* end = nullptr;
      const long wide = std::wcstol(text, &end, 10);
      const auto value = static_cast<int32_t>(wide > INT32_MAX ? INT32_MAX : wide);
      const bool accepted = end != text && *end == L'\0' && value >= 1;
      benchmark::DoNotOptimize(accepted);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_Wcstol);

}  // namespace
