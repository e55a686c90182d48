// ParseBaseRea beside the C library's wcstod (with the same whole-text and
// > 0 checks) and std::from_chars on the ASCII form of the same texts.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>
#include <cwchar>
#include <iterator>

#include "calc_inputs.h"
#include "field_texts.h"

namespace {

constexpr auto kTextCount = static_cast<int64_t>(std::size(kBaseReaTexts));

void BM_ParseBaseRea(benchmark::State& state) {
  for (auto _ : state) {
    for (const wchar_t* text : kBaseReaTexts) benchmark::DoNotOptimize(ParseBaseRea(text));
  }
  state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_ParseBaseRea);

void BM_Wcstod(benchmark::State& state) {
  for (auto _ : state) {
    for (const wchar_t* text : kBaseReaTexts) {
      wchar_t* end = nullptr;
      const double value = std::wcstod(text, &end);
      const bool accepted = end != text && *end == L'\0' && value > 0.0;
      benchmark::DoNotOptimize(accepted);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_Wcstod);

// from_chars takes no white space, sign '+' or "0x": it stops early on those,
// so this is a floor rather than a like-for-like figure.
void BM_FromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* text : kBaseReaAscii) {
      while (*text == ' ') ++text;
      const char* last = text + std::strlen(text);
      double value = 0.0;
      const auto [stop, ec] = std::from_chars(text, last, value);
      const bool accepted = ec == std::errc{} && stop == last && value > 0.0;
      benchmark::DoNotOptimize(accepted);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * kTextCount);
}
BENCHMARK(BM_FromChars);

}  // namespace
