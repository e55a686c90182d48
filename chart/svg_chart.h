// The framebreak chart: the breakpoint table drawn as an SVG step chart, the
// rate of fire stepping up as the REA reduction grows.
//
// The document is SVG 1.1 with a viewBox and no fixed size, so it scales to
// any width. Everything in it is a number this program formats itself (never
// a field's text), with no script, event attribute, style sheet or external
// reference, so any page can embed it. The same inputs give the same bytes
// with every toolchain: coordinates are integer arithmetic, and the one
// double-to-text step (the heading's baseRea) is exact.
//
// One element per row, in table order, carrying the table's own cell texts:
//   <g class="row" data-rea="12" data-bps="7.500"><title>12 %: 7.500 BPS</title>
//   <path d="M x yPrev V y H xNext"/><circle cx="x" cy="y" r="3.5"/></g>
// The path is the riser from the previous row's level (none for the first
// row) and the step to the next row's percentage; the last step runs to the
// end of the scanned range, 0 .. min(reaLimit, 100) - 1 (at least 0 .. 1).
#pragma once

#include <span>
#include <string>

#include "breakpoint_table.h"
#include "comparison.h"

// Precondition: rows is ComputeBreakpointTable(inputs).
[[nodiscard]] std::string RenderChartSvg(const CalcInputs& inputs,
                                         std::span<const BreakpointRow> rows);

// What the player asked beyond the table. With neither, the chart is exactly
// RenderChartSvg(inputs, rows).
struct ChartAnswers {
  int32_t markerPercent = -1;  // >= 0: a marker at this REA %, "37 %"
  // Not empty: one series per frame rate, in this order, instead of the
  // single staircase; series[0] is the main Fps (its rows are `rows`).
  std::span<const ComparisonSeries> series;
};

// Marker: <g class="at" data-rea="37">, a vertical line across the plot and
// its label "37 %". Series: <g class="series" data-fps="120"> each, holding
// its rows as the single chart does (<g class="row" data-rea data-bps> with
// their tooltips), with a legend <text> "120 fps" per series; each series has
// its own colour from a colour-blind-safe palette and a second cue (dash
// pattern and dot shape).
// Precondition: rows is ComputeBreakpointTable(inputs); markerPercent is
// below ScannedPercentages(inputs); series is CompareFrameRates(...).series.
[[nodiscard]] std::string RenderChartSvg(const CalcInputs& inputs,
                                         std::span<const BreakpointRow> rows,
                                         const ChartAnswers& answers);
