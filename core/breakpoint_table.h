// The framebreaks: the REA reduction percentages at which the frame-quantised
// rate of fire changes.
#pragma once

#include <cstdint>
#include <vector>

#include "calc_inputs.h"

struct BreakpointRow {
  int32_t reaPercent;  // 0..99
  double bps;          // shots per second on whole frames; 0.0 when out of range
};

// Scans the percentages 0 .. min(reaLimit, 100) - 1 and returns the first one
// and every one whose quantised shots per second differ by more than 1e-6 from
// the last listed row: 1 to 100 rows, ascending. For each percentage i:
//   factor         = 1.0 - i / 100.0
//   reaTime        = factor * baseRea
//   shotsPerSecond = (1.0 / reaTime) * firingMode
//   framesExact    = fps / shotsPerSecond
//   framesPerShot  = ceil(framesExact) as int32 (out of range if it does not fit)
//   bps            = fps / framesPerShot if 1 <= framesPerShot <= fps, else 0.0
// every step rounded on its own, in exactly this order: the ceiling turns the
// last bit of framesExact into a whole frame, so (0.45, 3, 60) gives exactly 9
// frames at 0 %, where fps * reaTime / firingMode would not.
// Inputs must lie in the ranges ParseCalcInputs accepts. The returned vector is
// the calculation's one allocation.
[[nodiscard]] std::vector<BreakpointRow> ComputeBreakpointTable(const CalcInputs& inputs);
