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

// Precondition: rows is ComputeBreakpointTable(inputs).
[[nodiscard]] std::string RenderChartSvg(const CalcInputs& inputs,
                                         std::span<const BreakpointRow> rows);
