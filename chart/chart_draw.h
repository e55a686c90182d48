// What the chart's parts share: the drawing's units, the scale from table
// values to coordinates, the number texts, and the markup of one table's rows.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string>

#include "axis_ticks.h"
#include "breakpoint_table.h"

// The drawing's own units; the viewBox scales them to any width.
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 400;  // without a legend
inline constexpr int kLeft = 88;     // room for ten-digit BPS labels
inline constexpr int kRight = 620;
inline constexpr int kTop = 52;
inline constexpr int kBottom = 340;

// Coordinates are kept in hundredths of a unit, as integers, and written with
// at most two decimals: "123.45", "88", "60.5".
using Coord = int64_t;

void Append(std::string& out, int64_t n);
// Precondition: hundredths >= 0 (everything drawn lies inside the viewBox).
void AppendCoord(std::string& out, Coord hundredths);
void AppendWide(std::string& out, const wchar_t* text);  // an ASCII cell text

struct Scale {
  int32_t reaEnd;  // the REA axis runs 0 .. reaEnd
  BpsTicks bps;
  double bpsTop;

  // Exact integer rounding, so every toolchain gives the same x.
  Coord X(int32_t rea) const {
    const int64_t span = int64_t{kRight - kLeft} * 100;
    return Coord{kLeft} * 100 + (2 * rea * span + reaEnd) / (2 * int64_t{reaEnd});
  }
  // Each step correctly rounded (no contraction into fused multiply-add, see
  // cmake/CompilerFlags.cmake), then llround: the same y on every toolchain.
  Coord Y(double bps) const {
    const double span = (kBottom - kTop) * 100.0;
    return Coord{kBottom} * 100 - std::llround(bps * span / bpsTop);
  }
};

// The mark on each row's point. The single chart has its blue circle; each
// series of a comparison its own shape in currentColor.
enum class Dot { kCircle, kSquare, kTriangle, kDiamond, kTriangleDown };

// A dot centred on (x, y) with this fill and no stroke: a <circle>, <rect> or
// <polygon>, never a <path>, so each row's one path stays its step.
void AppendDot(std::string& out, Dot dot, Coord x, Coord y, const char* fill);

// One <g class="row" data-rea data-bps> per row, as the header of
// svg_chart.h shows, the last step running to scale.reaEnd.
void AppendRowGroups(std::string& out, const Scale& scale, std::span<const BreakpointRow> rows,
                     Dot dot, const char* fill);
