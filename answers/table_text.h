// The tables as delimited text, for every face that writes bytes: the CLI
// prints them, the page carries them out (copies, downloads).
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

#include <string>
#include <string_view>

#include "answer_model.h"

struct TableStyle {
  const char* separator;
  const char* lineEnd;
  bool quoteText;  // a weapon's name quoted as RFC 4180 requires, where it needs it
};

inline constexpr TableStyle kTabTable{"\t", "\n", false};
inline constexpr TableStyle kCsvTable{",", "\r\n", true};  // RFC 4180

[[nodiscard]] std::string WriteDelimited(const TextTable& table, const TableStyle& style);

// A weapon list's one table, for a spreadsheet: the header, then for each
// weapon its rows with frames, its name in front. Spreadsheets run a cell
// that starts with = + - @ as a formula, from a file and from the clipboard
// alike: such a name, and one starting with ', is written with one ' before
// it, which they read as "this is text" (the list reader drops it again).
// Control characters in the name are spaces.
//   "=1+1" -> "'=1+1"    "'quote" -> "''quote"    "AK-47" -> "AK-47"
[[nodiscard]] std::string WriteListHeader(const TableStyle& style);
void AppendListRows(std::string& out, std::string_view name, const TextTable& rows,
                    const TableStyle& style);
