#include "comparison.h"

#include <algorithm>

#include "format_row.h"

Comparison CompareFrameRates(const CalcInputs& inputs, const FrameRateList& others) {
  Comparison comparison;
  const auto add = [&](int32_t fps) {
    const bool listed = std::any_of(comparison.series.begin(), comparison.series.end(),
                                    [fps](const ComparisonSeries& s) { return s.fps == fps; });
    if (listed) return;
    CalcInputs at = inputs;
    at.fps = fps;
    comparison.series.push_back({fps, ComputeBreakpointTable(at)});
  };
  add(inputs.fps);
  for (int k = 0; k < others.count; ++k) add(others.fps[k]);

  for (const auto& series : comparison.series) {
    for (const auto& row : series.rows) comparison.percents.push_back(row.reaPercent);
  }
  std::sort(comparison.percents.begin(), comparison.percents.end());
  comparison.percents.erase(std::unique(comparison.percents.begin(), comparison.percents.end()),
                            comparison.percents.end());
  return comparison;
}

std::string ComparisonCell(const CalcInputs& inputs, const ComparisonSeries& series,
                           int32_t percent) {
  CalcInputs at = inputs;
  at.fps = series.fps;
  return FormatRowTexts(at, series.rows[RowInEffect(series.rows, percent)]).bps;
}
