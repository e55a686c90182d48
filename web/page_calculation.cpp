#include "page_calculation.h"

#include <cwchar>

#include "answer_inputs.h"
#include "calc_inputs.h"
#include "comparison.h"
#include "format_row.h"
#include "standing_sentence.h"
#include "svg_chart.h"
#include "table_text.h"

namespace {

std::string Bad(const wchar_t* message) {
  std::string out(1, '!');
  for (const wchar_t* c = message; *c; ++c) out += static_cast<char>(*c);
  return out;
}

// A text with a U+0000 before its end is given to the rule as a text that
// cannot pass: the rule would stop at the U+0000.
const wchar_t* Whole(const FieldText& field) {
  return std::wcslen(field.text) == field.length ? field.text : L"\x1";
}

// Moves an accepted value into place, or "!" and the message into out.
template <class T, class Error>
bool Take(const std::variant<T, Error>& result, T& value, std::string& out) {
  if (const auto* error = std::get_if<Error>(&result)) {
    out = Bad(error->message);
    return false;
  }
  value = std::get<T>(result);
  return true;
}

}  // namespace

std::string CalculatePage(const FieldText (&fields)[kPageFields], PageAnswer answer) {
  std::string out;
  CalcInputs in{};
  if (!Take(ParseBaseRea(Whole(fields[0])), in.baseRea, out) ||
      !Take(ParseFiringMode(Whole(fields[1])), in.firingMode, out) ||
      !Take(ParseFps(Whole(fields[2])), in.fps, out) ||
      !Take(ParseReaLimit(Whole(fields[3])), in.reaLimit, out)) {
    return out;
  }
  const bool standing = fields[4].length > 0;
  const bool comparing = fields[5].length > 0;
  ChartAnswers answers;
  if (standing && !Take(ParseStandingPercent(Whole(fields[4]), in), answers.markerPercent, out)) {
    return out;
  }
  FrameRateList others{};
  if (comparing && !Take(ParseFrameRateList(Whole(fields[5])), others, out)) return out;

  const auto rows = ComputeBreakpointTable(in);
  const Comparison comparison = comparing ? CompareFrameRates(in, others) : Comparison{};
  if (answer != PageAnswer::kShown) {
    // What reacalc-cli --frames (or --compare LIST) prints, with --csv for kCsv.
    const TableStyle& style = answer == PageAnswer::kCsv ? kCsvTable : kTabTable;
    return comparing ? WriteComparisonTable(in, comparison, style)
                     : WriteRowsTable(in, rows, true, style);
  }
  std::size_t current = 0;
  if (comparing) {
    answers.series = comparison.series;
    out += WriteComparisonTable(in, comparison, kPageTable);
    while (current + 1 < comparison.percents.size() &&
           comparison.percents[current + 1] <= answers.markerPercent)
      ++current;
  } else {
    out += WriteRowsTable(in, rows, true, kPageTable);
    current = standing ? RowInEffect(rows, answers.markerPercent) : 0;
  }
  out += '\n';
  if (standing) {
    out += std::to_string(current) + '\t' + StandingSentence(in, rows, answers.markerPercent);
  }
  out += '\n';
  out += RenderChartSvg(in, rows, answers);
  return out;
}
