// The cell texts against glibc's swprintf: "%d" for the percentage and
// "%.3f" for the shots per second, for any non-negative bps up to 2^31.
// glibc prints the exact binary value rounded half-to-even, as the table must.
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iterator>

#include "format_row.h"
#include "fuzz_input.h"

namespace {

constexpr double kMaxBps = 2147483648.0;  // 2^31: bps never exceeds fps

// Raw bit patterns reach every exponent but almost never a tie at the third
// decimal; sixteenths (17/16 = 1.0625) and fps / frames hit ties and the
// values the table really produces.
double PickBps(FuzzBytes& in) {
  switch (in.Byte() % 3) {
    case 0:
      return std::fabs(in.Value<double>());
    case 1:
      return static_cast<double>(in.Value<uint32_t>() >> 1) / 16.0;
    default: {
      const auto fps = static_cast<double>(in.Value<uint32_t>() >> 1);
      const auto frames = static_cast<double>((in.Value<uint32_t>() >> 1) | 1);
      return fps / frames;
    }
  }
}

[[noreturn]] void Disagree(const wchar_t* ours, const wchar_t* theirs) {
  std::fprintf(stderr, "cell text \"%ls\", glibc \"%ls\"\n", ours, theirs);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzBytes in{data, size};
  const BreakpointRow row{in.Value<int32_t>(), PickBps(in)};
  if (!(row.bps <= kMaxBps)) return 0;  // NaN and beyond 2^31: not a table value

  wchar_t reaText[32];
  wchar_t bpsText[64];
  FormatBreakpointRow(row, reaText, bpsText);

  wchar_t expected[64];
  std::swprintf(expected, std::size(expected), L"%d", row.reaPercent);
  if (std::wcscmp(reaText, expected) != 0) Disagree(reaText, expected);
  std::swprintf(expected, std::size(expected), L"%.3f", row.bps);
  if (std::wcscmp(bpsText, expected) != 0) Disagree(bpsText, expected);
  return 0;
}
