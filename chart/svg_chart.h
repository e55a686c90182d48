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

// Marker: <g class="at" data-rea="37" color="#555">, a line across the plot
// at 37 % and above it the label <text>37 %</text>, right of the line or,
// near the right end, left of it, always inside the drawing. Drawn under the
// steps.
//
// Series, in the given order, each holding its rows exactly as the single
// chart does (<g class="row" data-rea data-bps> with their tooltips):
//   <g class="series" data-fps="120" data-series="1" color="#D55E00"
//      stroke="currentColor" ... stroke-dasharray="7 4"> rows </g>
// then under the axis label one legend line (more when long frame rates do
// not fit), the viewBox taller by 20 per line:
//   <g class="legend"><g class="legend-item" data-series="1" color="#D55E00">
//   sample line, dot, <text fill="#222">120 fps</text></g> ...</g>
// Series 0 .. 4 look like this (colours: Okabe and Ito's colour-blind-safe
// hues that reach 3:1 on white):
//   0 #0072B2 blue            solid      circle
//   1 #D55E00 vermillion      dashed     square
//   2 #009E73 bluish green    dash-dot   triangle
//   3 #CC79A7 reddish purple  dotted     diamond
//   4 #000000 black           long dash  triangle pointing down
// Restyling: lines and dots of a series and of its legend sample are drawn in
// currentColor, so one rule recolours both, e.g. for a dark scheme
//   .reacalc-chart [data-series="0"] { color: #56B4E9 }
//   .reacalc-chart .at { color: #bbb }
//   .reacalc-chart .legend text { fill: #eee }
// (CSS wins over presentation attributes). Each row's dot is a
// <circle>, <rect> or <polygon>, never a <path>: a row's one path is its step.
// Precondition: rows is ComputeBreakpointTable(inputs); markerPercent is
// below ScannedPercentages(inputs); series is CompareFrameRates(...).series.
[[nodiscard]] std::string RenderChartSvg(const CalcInputs& inputs,
                                         std::span<const BreakpointRow> rows,
                                         const ChartAnswers& answers);
