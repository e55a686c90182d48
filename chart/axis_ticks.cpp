#include "axis_ticks.h"

#include <charconv>

namespace {

// 10^n for 0 <= n <= 22 is exact in a double; each product below is too.
double PowerOfTen(int n) {
  double p = 1.0;
  for (int i = 0; i < n; ++i) p *= 10.0;
  return p;
}

// multiple * 10^exponent, correctly rounded: one exact product, or one
// division of exact integers.
double Scaled(int64_t multiple, int exponent) {
  const auto m = static_cast<double>(multiple);
  return exponent >= 0 ? m * PowerOfTen(exponent) : m / PowerOfTen(-exponent);
}

constexpr int kMaxIntervals = 5;

}  // namespace

BpsTicks ChooseBpsTicks(double maxBps) noexcept {
  // A table's BPS is 0 or at least 1 (fps / framesPerShot with framesPerShot
  // <= fps) and at most fps < 2^31, so the search ends by 5 * 10^9.
  const double top = maxBps < 1.0 ? 1.0 : maxBps;
  for (int exponent = -1;; ++exponent) {
    for (int32_t step : {1, 2, 5}) {
      for (int count = 1; count <= kMaxIntervals; ++count) {
        if (Scaled(int64_t{step} * count, exponent) >= top) return {step, exponent, count};
      }
    }
  }
}

double BpsTickValue(const BpsTicks& ticks, int k) noexcept {
  return Scaled(int64_t{ticks.step} * k, ticks.exponent);
}

void AppendBpsTickText(std::string& out, const BpsTicks& ticks, int k) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, int64_t{ticks.step} * k).ptr;
  const auto count = static_cast<std::size_t>(end - digits);
  if (ticks.exponent >= 0) {
    out.append(digits, count);
    if (k != 0) out.append(static_cast<std::size_t>(ticks.exponent), '0');
    return;
  }
  // Put the point `decimals` digits from the right, padding with zeros: "0.4".
  const auto decimals = static_cast<std::size_t>(-ticks.exponent);
  const std::size_t whole = count > decimals ? count - decimals : 0;
  if (whole == 0) out += '0';
  out.append(digits, whole);
  out += '.';
  out.append(decimals - (count - whole), '0');
  out.append(digits + whole, count - whole);
}

int32_t ChooseReaTickStep(int32_t end) noexcept {
  for (int32_t step : {1, 2, 5}) {
    if (end <= step * 10) return step;
  }
  return 10;  // the axis ends at 99 at most
}
