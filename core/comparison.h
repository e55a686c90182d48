// Frame rates side by side: the table of the main Fps and of up to four
// other frame rates, from the same baseRea, firingMode and reaLimit. A 144 Hz
// screen is not always faster: with the defaults at 0 %, 144 fps gives 6.545
// BPS where 60 fps gives 6.667.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "answer_inputs.h"
#include "breakpoint_table.h"

struct ComparisonSeries {
  int32_t fps;
  std::vector<BreakpointRow> rows;  // ComputeBreakpointTable at this fps
};

struct Comparison {
  // The main Fps first, then the others in the order given; a frame rate
  // already listed is dropped.
  std::vector<ComparisonSeries> series;
  // Every series' percentages, ascending, each once: the comparison's rows.
  std::vector<int32_t> percents;
};

[[nodiscard]] Comparison CompareFrameRates(const CalcInputs& inputs, const FrameRateList& others);

// A cell of the comparison: the BPS text of the series' row in effect at
// `percent`, formatted at the series' own fps.
[[nodiscard]] std::string ComparisonCell(const CalcInputs& inputs, const ComparisonSeries& series,
                                         int32_t percent);
