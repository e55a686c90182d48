#include "breakpoint_table.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr int32_t kMaxPercentages = 100;
constexpr double kBpsTolerance = 1e-6;

// Shots per second at one percentage. Each line is one rounded step; the
// order is part of the result (see the header) and must not be rearranged.
double QuantisedBps(const CalcInputs& in, int32_t percent) {
  const double factor = 1.0 - static_cast<double>(percent) / 100.0;
  const double reaTime = factor * in.baseRea;
  const double shotsPerSecond = (1.0 / reaTime) * static_cast<double>(in.firingMode);
  const double framesExact = static_cast<double>(in.fps) / shotsPerSecond;
  const double frames = std::ceil(framesExact);
  // A ceiling outside int32 (or infinite) counts as out of range, like any
  // other frame count outside 1..fps. The comparison is false for NaN too.
  if (!(frames >= 1.0 && frames <= static_cast<double>(in.fps))) return 0.0;
  const auto framesPerShot = static_cast<int32_t>(frames);
  return static_cast<double>(in.fps) / static_cast<double>(framesPerShot);
}

}  // namespace

std::vector<BreakpointRow> ComputeBreakpointTable(const CalcInputs& inputs) {
  const int32_t count = inputs.reaLimit < kMaxPercentages ? inputs.reaLimit : kMaxPercentages;
  std::vector<BreakpointRow> rows;
  rows.reserve(static_cast<std::size_t>(count));
  double prevBps = -1.0;
  for (int32_t i = 0; i < count; ++i) {
    const double bps = QuantisedBps(inputs, i);
    // Against the last listed row, not the previous percentage.
    if (std::fabs(prevBps - bps) > kBpsTolerance) {
      rows.push_back({i, bps});
      prevBps = bps;
    }
  }
  return rows;
}
