// Each answer built once as data, before any format: a table of cell texts
// with its headers, the standing at a REA %, the comparison. Every writer
// (TSV, CSV, JSON, Markdown, wikitext, the page) renders this data, and none
// reads another's output, so no two formats can disagree on a cell.
//   RowsTable(defaults, frames, kCliHeaders):  REA BPS FRAMES / 0 6.667 9 / ...
//   ComparisonTable(..., kPageHeaders):        REA | BPS @ 60 | BPS @ 120 / ...
//   StandingAt(defaults, rows, 37):            row 3, since 34 10.000 6, next 45 12.000 5
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "breakpoint_table.h"
#include "comparison.h"
#include "format_row.h"
#include "setup.h"
#include "shot_timeline.h"

// A table as texts: every cell is a number's text, or empty where there is
// none (FRAMES where the BPS is 0.000). All its columns are numbers, so all
// are right-aligned where a format aligns them.
struct TextTable {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;  // each as long as headers
};

// The CLI's headers ("FRAMES", "BPS@60") or the page's ("Frames", "BPS @ 60").
enum class Headers { kCli, kPage };

// REA BPS, with FRAMES when `frames` is set.
[[nodiscard]] TextTable RowsTable(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                                  bool frames, Headers headers);

// REA BPS@60 BPS@120 ...: a row at every percentage of any series.
[[nodiscard]] TextTable ComparisonTable(const CalcInputs& inputs, const Comparison& comparison,
                                        Headers headers);

// Where a REA % stands: the row in effect there and the next framebreak.
struct Standing {
  int32_t at;
  std::size_t row;  // the index of the row in effect
  RowTexts since;
  std::optional<RowTexts> next;  // none past the last framebreak
  int32_t toNext;                // the next row's REA % - at, when there is one
  int32_t lastPercent;           // the last percentage scanned
};

// Precondition: rows is ComputeBreakpointTable(inputs); 0 <= at < ScannedPercentages(inputs).
[[nodiscard]] Standing StandingAt(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                                  int32_t at);

// The comparison's row in effect at a REA %: the last at or before it.
[[nodiscard]] std::size_t ComparisonRowAt(const Comparison& comparison, int32_t at);

// AT BPS FRAMES SINCE NEXT NEXT_BPS NEXT_FRAMES and one record.
[[nodiscard]] TextTable StandingTable(const Standing& standing);

// AT READY FRAMES WAIT WAIT_MS and one record.
[[nodiscard]] TextTable TimelineTable(const TimelineTexts& texts);

// The table the page shows for an answer: frames beside each row, or the
// comparison when frame rates are compared. The Markdown and wikitext
// answers are this table in their own markup.
[[nodiscard]] TextTable PageTable(const SetupAnswer& answer);
