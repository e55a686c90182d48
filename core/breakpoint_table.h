// The framebreaks: the REA reduction percentages at which the frame-quantised
// rate of fire changes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "calc_inputs.h"

struct BreakpointRow {
  int32_t reaPercent;  // 0..99
  double bps;          // shots per second on whole frames; 0.0 when out of range
};

// The rate of fire at one percentage i:
//   factor         = 1.0 - i / 100.0
//   reaTime        = factor * baseRea
//   shotsPerSecond = (1.0 / reaTime) * firingMode
//   framesExact    = fps / shotsPerSecond
//   framesPerShot  = ceil(framesExact) as int32 (out of range if it does not fit)
//   bps            = fps / framesPerShot if 1 <= framesPerShot <= fps, else 0.0
// every step rounded on its own, in exactly this order: the ceiling turns the
// last bit of framesExact into a whole frame, so (0.45, 3, 60) gives exactly 9
// frames at 0 %, where fps * reaTime / firingMode would not.
struct QuantisedRate {
  int32_t framesPerShot;  // 1..fps; 0 when out of range (then bps is 0.0)
  double bps;
  double framesExact;  // the frames a shot needs, before the ceiling; set also when out of range
};
[[nodiscard]] QuantisedRate QuantiseAtPercent(const CalcInputs& inputs, int32_t percent) noexcept;

// How many percentages a table scans from 0: reaLimit, at most 100.
[[nodiscard]] int32_t ScannedPercentages(const CalcInputs& inputs) noexcept;

// Scans 0 .. ScannedPercentages(inputs) - 1 and returns the first percentage
// and every one whose bps differs by more than 1e-6 from the last listed row:
// 1 to 100 rows, ascending. Every other answer (frames, standing, comparison)
// is read off these rows and QuantiseAtPercent, never from a loop of its own.
// Inputs must lie in the ranges ParseCalcInputs accepts. The returned vector is
// the calculation's one allocation.
[[nodiscard]] std::vector<BreakpointRow> ComputeBreakpointTable(const CalcInputs& inputs);

// The index of the row in effect at `percent`: the last row whose reaPercent
// is at most `percent`. Precondition: rows is a table (its first row is 0 %)
// and percent >= 0.
[[nodiscard]] std::size_t RowInEffect(std::span<const BreakpointRow> rows,
                                      int32_t percent) noexcept;
