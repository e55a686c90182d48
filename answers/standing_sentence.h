// Where a REA % stands, in one sentence a player reads at a glance: the page
// shows it, and the Markdown and wikitext answers end with it.
//   "At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak at
//    45 % (+8): 12.000 BPS (5 frames a shot)."
//   "At 80 %: 30.000 BPS (2 frames a shot) since 78 %. No further framebreak
//    up to 80 %."
// "(N frames a shot)" is left out where the BPS is 0.000.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "breakpoint_table.h"

// Precondition: rows is ComputeBreakpointTable(inputs); 0 <= percent <
// ScannedPercentages(inputs).
[[nodiscard]] std::string StandingSentence(const CalcInputs& inputs,
                                           std::span<const BreakpointRow> rows, int32_t percent);
