// The tables as text, for every face that writes bytes: the CLI prints them,
// the page shows them and carries them out (copies, downloads). One writer,
// so the page's copy and the CLI's output can never drift apart.
//
//   rows, frames:  "REA<TAB>BPS<TAB>FRAMES" then "0<TAB>6.667<TAB>9" ...
//   comparison:    "REA<TAB>BPS@60<TAB>BPS@120" then "0<TAB>6.667<TAB>6.667" ...
//   standing:      "AT<TAB>BPS<TAB>FRAMES<TAB>SINCE<TAB>NEXT<TAB>NEXT_BPS<TAB>NEXT_FRAMES"
//                  then "37<TAB>10.000<TAB>6<TAB>34<TAB>45<TAB>12.000<TAB>5"
//   weapon list:   "NAME<TAB>REA<TAB>BPS<TAB>FRAMES" then "Rifle<TAB>0<TAB>6.667<TAB>9" ...
//   timeline:      "AT<TAB>READY<TAB>FRAMES<TAB>WAIT<TAB>WAIT_MS"
//                  then "37<TAB>5.670<TAB>6<TAB>0.330<TAB>5.500"
// Every line ends with the style's line end, the last one too. Cells are
// numbers, so CSV needs no quoting, but for a weapon's name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "breakpoint_table.h"
#include "comparison.h"
#include "setup.h"
#include "shot_timeline.h"

struct TableStyle {
  const char* separator;
  const char* lineEnd;
  // The page's own column headers: "Frames" for FRAMES, "BPS @ 60" for BPS@60.
  bool pageHeaders;
  // How a weapon's name goes into a cell: quoted as RFC 4180 requires, or
  // with its TAB, CR and LF made spaces.
  bool quoteText;
};

inline constexpr TableStyle kTabTable{"\t", "\n", false, false};
inline constexpr TableStyle kCsvTable{",", "\r\n", false, true};  // RFC 4180
inline constexpr TableStyle kPageTable{"\t", "\n", true, false};

// The table, with a third column of frames per shot when `frames` is set.
[[nodiscard]] std::string WriteRowsTable(const CalcInputs& inputs,
                                         std::span<const BreakpointRow> rows, bool frames,
                                         const TableStyle& style);

[[nodiscard]] std::string WriteComparisonTable(const CalcInputs& inputs,
                                               const Comparison& comparison,
                                               const TableStyle& style);

// Where `percent` stands: the row in effect there and the next framebreak
// (the last three fields empty when there is none).
[[nodiscard]] std::string WriteStandingRecord(const CalcInputs& inputs,
                                              std::span<const BreakpointRow> rows, int32_t percent,
                                              const TableStyle& style);

// A weapon list's one table, for a spreadsheet: the header, then for each
// weapon its rows with frames (what --frames prints), its name in front.
[[nodiscard]] std::string WriteListHeader(const TableStyle& style);
void AppendListRows(std::string& out, std::string_view name, const CalcInputs& inputs,
                    std::span<const BreakpointRow> rows, const TableStyle& style);

// The table the page shows for an answer, with kPageTable: frames per shot
// beside each row, or the comparison when frame rates are compared. The
// Markdown and wikitext answers are this table in their own markup.
[[nodiscard]] std::string WritePageTable(const SetupAnswer& answer);

// The shot timeline at one REA % (the last four fields empty where there is
// no shot).
[[nodiscard]] std::string WriteTimelineRecord(const TimelineTexts& texts, const TableStyle& style);
