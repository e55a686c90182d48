// Frame rates side by side: the table of the main Fps and of up to four
// other frame rates, from the same baseRea, firingMode and reaLimit. A 144 Hz
// screen is not always faster: with the defaults at 0 %, 144 fps gives 6.545
// BPS where 60 fps gives 6.667.
#pragma once

#include <cstdint>
#include <span>
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
  // The cell of series s at percents[k] is its row in effect there,
  // series[s].rows[RowInEffect(series[s].rows, percents[k])].
  std::vector<int32_t> percents;
};

[[nodiscard]] Comparison CompareFrameRates(const CalcInputs& inputs, const FrameRateList& others);
