// The cell texts of a results row.
#pragma once

#include <string>

#include "breakpoint_table.h"

// REA: reaPercent as "%d" ("0", "12", "78").
// BPS: bps as "%.3f" from its exact binary value, ties to even, '.' always:
//   60.0 / 9 -> "6.667"   17.0 / 16 -> "1.062"   0.0 -> "0.000"
// Both texts are NUL-terminated; they always fit (at most 11 and 14 characters
// plus the terminator for any int32 and any bps up to 2147483647).
void FormatBreakpointRow(const BreakpointRow& row, wchar_t (&reaText)[32],
                         wchar_t (&bpsText)[64]) noexcept;

// The same cells in ASCII, and beside them the frames per shot at the row's
// percentage as "%d", or an empty text when the row's bps is 0.0 (the
// interval was out of range). For the faces that write bytes: the CLI, the
// chart and the page.
struct RowTexts {
  std::string rea;
  std::string bps;
  std::string frames;
};
[[nodiscard]] RowTexts FormatRowTexts(const CalcInputs& inputs, const BreakpointRow& row);
