#include "table_text.h"

#include <initializer_list>

#include "format_row.h"

namespace {

void Line(std::string& out, const TableStyle& style, std::initializer_list<std::string> fields) {
  bool first = true;
  for (const auto& field : fields) {
    if (!first) out += style.separator;
    out += field;
    first = false;
  }
  out += style.lineEnd;
}

// The name as one cell of the style (see TableStyle::quoteText).
std::string TextCell(std::string_view text, const TableStyle& style) {
  std::string cell;
  if (!style.quoteText) {
    for (const char c : text) cell += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    return cell;
  }
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  cell = "\"";
  for (const char c : text) cell += c == '"' ? "\"\"" : std::string(1, c);
  return cell + "\"";
}

}  // namespace

std::string WriteRowsTable(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                           bool frames, const TableStyle& style) {
  std::string out;
  const char* framesHeader = style.pageHeaders ? "Frames" : "FRAMES";
  if (frames) {
    Line(out, style, {"REA", "BPS", framesHeader});
  } else {
    Line(out, style, {"REA", "BPS"});
  }
  for (const auto& row : rows) {
    const RowTexts t = FormatRowTexts(inputs, row);
    if (frames) {
      Line(out, style, {t.rea, t.bps, t.frames});
    } else {
      Line(out, style, {t.rea, t.bps});
    }
  }
  return out;
}

std::string WriteComparisonTable(const CalcInputs& inputs, const Comparison& comparison,
                                 const TableStyle& style) {
  std::string out = "REA";
  const char* bpsHeader = style.pageHeaders ? "BPS @ " : "BPS@";
  for (const auto& series : comparison.series) {
    out += style.separator + (bpsHeader + std::to_string(series.fps));
  }
  out += style.lineEnd;
  for (const int32_t percent : comparison.percents) {
    out += std::to_string(percent);
    for (const auto& series : comparison.series) {
      out += style.separator + ComparisonCell(inputs, series, percent);
    }
    out += style.lineEnd;
  }
  return out;
}

std::string WriteStandingRecord(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                                int32_t percent, const TableStyle& style) {
  const std::size_t k = RowInEffect(rows, percent);
  const RowTexts since = FormatRowTexts(inputs, rows[k]);
  const RowTexts next = k + 1 < rows.size() ? FormatRowTexts(inputs, rows[k + 1]) : RowTexts{};
  std::string out;
  Line(out, style, {"AT", "BPS", "FRAMES", "SINCE", "NEXT", "NEXT_BPS", "NEXT_FRAMES"});
  Line(out, style,
       {std::to_string(percent), since.bps, since.frames, since.rea, next.rea, next.bps,
        next.frames});
  return out;
}

std::string WriteListHeader(const TableStyle& style) {
  std::string out;
  Line(out, style, {"NAME", "REA", "BPS", "FRAMES"});
  return out;
}

void AppendListRows(std::string& out, std::string_view name, const CalcInputs& inputs,
                    std::span<const BreakpointRow> rows, const TableStyle& style) {
  const std::string cell = TextCell(name, style);
  for (const auto& row : rows) {
    const RowTexts t = FormatRowTexts(inputs, row);
    Line(out, style, {cell, t.rea, t.bps, t.frames});
  }
}

std::string WritePageTable(const SetupAnswer& answer) {
  const CalcInputs& in = answer.setup.inputs;
  return answer.setup.comparing ? WriteComparisonTable(in, answer.comparison, kPageTable)
                                : WriteRowsTable(in, answer.rows, true, kPageTable);
}

std::string WriteTimelineRecord(const TimelineTexts& texts, const TableStyle& style) {
  std::string out;
  Line(out, style, {"AT", "READY", "FRAMES", "WAIT", "WAIT_MS"});
  Line(out, style, {texts.at, texts.ready, texts.frames, texts.wait, texts.waitMs});
  return out;
}
