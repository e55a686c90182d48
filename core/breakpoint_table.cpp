#include "breakpoint_table.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int32_t kMaxPercentages = 100;
constexpr double kBpsTolerance = 1e-6;

}  // namespace

// Each line is one rounded step; the order is part of the result (see the
// header) and must not be rearranged.
QuantisedRate QuantiseAtPercent(const CalcInputs& in, int32_t percent) noexcept {
  const double factor = 1.0 - static_cast<double>(percent) / 100.0;
  const double reaTime = factor * in.baseRea;
  const double shotsPerSecond = (1.0 / reaTime) * static_cast<double>(in.firingMode);
  const double framesExact = static_cast<double>(in.fps) / shotsPerSecond;
  const double frames = std::ceil(framesExact);
  // A ceiling outside int32 (or infinite) counts as out of range, like any
  // other frame count outside 1..fps. The comparison is false for NaN too.
  if (!(frames >= 1.0 && frames <= static_cast<double>(in.fps))) return {0, 0.0, framesExact};
  const auto framesPerShot = static_cast<int32_t>(frames);
  return {framesPerShot, static_cast<double>(in.fps) / static_cast<double>(framesPerShot),
          framesExact};
}

int32_t ScannedPercentages(const CalcInputs& inputs) noexcept {
  return inputs.reaLimit < kMaxPercentages ? inputs.reaLimit : kMaxPercentages;
}

std::vector<BreakpointRow> ComputeBreakpointTable(const CalcInputs& inputs) {
  const int32_t count = ScannedPercentages(inputs);
  std::vector<BreakpointRow> rows;
  rows.reserve(static_cast<std::size_t>(count));
  double prevBps = -1.0;
  for (int32_t i = 0; i < count; ++i) {
    const double bps = QuantiseAtPercent(inputs, i).bps;
    // Against the last listed row, not the previous percentage.
    if (std::fabs(prevBps - bps) > kBpsTolerance) {
      rows.push_back({i, bps});
      prevBps = bps;
    }
  }
  return rows;
}

std::size_t RowInEffect(std::span<const BreakpointRow> rows, int32_t percent) noexcept {
  std::size_t k = 0;
  while (k + 1 < rows.size() && rows[k + 1].reaPercent <= percent) ++k;
  return k;
}
