#include "standing_sentence.h"

#include "format_row.h"

namespace {

std::string Frames(const std::string& frames) {
  return frames.empty() ? "" : " (" + frames + " frames a shot)";
}

}  // namespace

std::string StandingSentence(const CalcInputs& in, std::span<const BreakpointRow> rows,
                             int32_t percent) {
  const std::size_t k = RowInEffect(rows, percent);
  const RowTexts since = FormatRowTexts(in, rows[k]);
  std::string s = "At " + std::to_string(percent) + " %: " + since.bps + " BPS" +
                  Frames(since.frames) + " since " + since.rea + " %. ";
  if (k + 1 == rows.size()) {
    return s + "No further framebreak up to " + std::to_string(ScannedPercentages(in) - 1) + " %.";
  }
  const RowTexts next = FormatRowTexts(in, rows[k + 1]);
  return s + "Next framebreak at " + next.rea + " % (+" +
         std::to_string(rows[k + 1].reaPercent - percent) + "): " + next.bps + " BPS" +
         Frames(next.frames) + ".";
}
