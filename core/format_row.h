// The two cell texts of a results row.
#pragma once

#include "breakpoint_table.h"

// REA: reaPercent as "%d" ("0", "12", "78").
// BPS: bps as "%.3f" from its exact binary value, ties to even, '.' always:
//   60.0 / 9 -> "6.667"   17.0 / 16 -> "1.062"   0.0 -> "0.000"
// Both texts are NUL-terminated; they always fit (at most 11 and 14 characters
// plus the terminator for any int32 and any bps up to 2147483647).
void FormatBreakpointRow(const BreakpointRow& row, wchar_t (&reaText)[32],
                         wchar_t (&bpsText)[64]) noexcept;
