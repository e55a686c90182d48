// What the page shows for the six texts of its fields (BaseRea, FiringMode,
// Fps, Rea, then the optional "Your REA %" and "Compare Fps"), as one text
// the page's script splits:
//   the first bad input:  "!" and its message ("!Enter valid FPS > 0")
//   all accepted:         the table: a line of column headers, then one line
//                         per row, cells TAB-separated; an empty line; the
//                         standing line; the chart of svg_chart.h.
// Table: "REA BPS Frames", or with a comparison "REA BPS @ 60 BPS @ 120 ...".
// Standing line: empty without a REA %; else the index of the table row in
// effect there, a TAB and the sentence for the main Fps:
//   "3<TAB>At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak
//    at 45 % (+8): 12.000 BPS (5 frames a shot)."
// The chart is what reacalc-cli --svg [--at P] [--compare LIST] writes.
// PageAnswer::kTable and kCsv give, for the same texts, only the table the
// page carries out: what reacalc-cli --frames prints (--compare LIST when
// Compare Fps is set), and the same with --csv; a bad input as above.
// PageAnswer::kMarkdown and kWiki give what reacalc-cli --markdown and --wiki
// print ([--at P] when Your REA % is set, [--compare LIST] when Compare Fps is).
// PageAnswer::kTimeline gives the shot timeline at Your REA % for the main
// Fps, which the page shows under the chart: a line with its sentence
// (shot_timeline.h), then the picture reacalc-cli --svg --timeline P writes
// (timeline_svg.h); empty without a REA %. It is an answer of its own, so
// the shown answer stays as it is.
// Inputs are judged in that order by JudgeSetup (setup.h), as the window and
// the CLI do; an empty REA % or Compare Fps is off. A text holding U+0000 (a
// share link can carry one; nobody can type it) fails its input: the
// character is not the end of the text, so it is trailing text.
#pragma once

#include <cstddef>
#include <string>

struct FieldText {
  const wchar_t* text;  // NUL-terminated at text[length]
  std::size_t length;
};

inline constexpr int kPageFields = 6;

enum class PageAnswer { kShown, kTable, kCsv, kMarkdown, kWiki, kTimeline };

[[nodiscard]] std::string CalculatePage(const FieldText (&fields)[kPageFields],
                                        PageAnswer answer = PageAnswer::kShown);
