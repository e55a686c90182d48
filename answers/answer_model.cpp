#include "answer_model.h"

#include <algorithm>

namespace {

const char* FramesHeader(Headers headers) {
  return headers == Headers::kPage ? "Frames" : "FRAMES";
}

}  // namespace

TextTable RowsTable(const CalcInputs& inputs, std::span<const BreakpointRow> rows, bool frames,
                    Headers headers) {
  TextTable table{{"REA", "BPS"}, {}};
  if (frames) table.headers.emplace_back(FramesHeader(headers));
  table.rows.reserve(rows.size());
  for (const auto& row : rows) {
    RowTexts t = FormatRowTexts(inputs, row);
    if (frames) {
      table.rows.push_back({std::move(t.rea), std::move(t.bps), std::move(t.frames)});
    } else {
      table.rows.push_back({std::move(t.rea), std::move(t.bps)});
    }
  }
  return table;
}

TextTable ComparisonTable(const CalcInputs& inputs, const Comparison& comparison, Headers headers) {
  TextTable table{{"REA"}, {}};
  const char* bps = headers == Headers::kPage ? "BPS @ " : "BPS@";
  for (const auto& series : comparison.series) {
    table.headers.push_back(bps + std::to_string(series.fps));
  }
  for (const int32_t percent : comparison.percents) {
    std::vector<std::string>& cells = table.rows.emplace_back();
    cells.push_back(std::to_string(percent));
    for (const auto& series : comparison.series) {
      cells.push_back(ComparisonCell(inputs, series, percent));
    }
  }
  return table;
}

Standing StandingAt(const CalcInputs& inputs, std::span<const BreakpointRow> rows, int32_t at) {
  Standing s{at, RowInEffect(rows, at), {}, std::nullopt, 0, ScannedPercentages(inputs) - 1};
  s.since = FormatRowTexts(inputs, rows[s.row]);
  if (s.row + 1 < rows.size()) {
    s.next = FormatRowTexts(inputs, rows[s.row + 1]);
    s.toNext = rows[s.row + 1].reaPercent - at;
  }
  return s;
}

std::size_t ComparisonRowAt(const Comparison& comparison, int32_t at) {
  const auto& percents = comparison.percents;
  const auto after = std::upper_bound(percents.begin(), percents.end(), at);
  return after == percents.begin() ? 0 : static_cast<std::size_t>(after - percents.begin()) - 1;
}

TextTable StandingTable(const Standing& s) {
  const RowTexts next = s.next.value_or(RowTexts{});
  return {{"AT", "BPS", "FRAMES", "SINCE", "NEXT", "NEXT_BPS", "NEXT_FRAMES"},
          {{std::to_string(s.at), s.since.bps, s.since.frames, s.since.rea, next.rea, next.bps,
            next.frames}}};
}

TextTable TimelineTable(const TimelineTexts& t) {
  return {{"AT", "READY", "FRAMES", "WAIT", "WAIT_MS"},
          {{t.at, t.ready, t.frames, t.wait, t.waitMs}}};
}

TextTable PageTable(const SetupAnswer& answer) {
  const CalcInputs& in = answer.setup.inputs;
  return answer.setup.comparing ? ComparisonTable(in, answer.comparison, Headers::kPage)
                                : RowsTable(in, answer.rows, true, Headers::kPage);
}
