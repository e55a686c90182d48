#include "page_calculation.h"

#include <cwchar>

#include "markdown_text.h"
#include "setup.h"
#include "shot_timeline.h"
#include "standing_sentence.h"
#include "svg_chart.h"
#include "table_text.h"
#include "timeline_svg.h"
#include "wiki_text.h"

namespace {

// A text with a U+0000 before its end is given to the rule as a text that
// cannot pass: the rule would stop at the U+0000. An empty optional field is
// not asked (null).
const wchar_t* Whole(const FieldText& field, bool optional) {
  if (optional && field.length == 0) return nullptr;
  return std::wcslen(field.text) == field.length ? field.text : L"\x1";
}

// The table, the standing line and the chart, as the page shows them.
std::string Shown(const SetupAnswer& answer) {
  const Setup& setup = answer.setup;
  const bool standing = setup.at >= 0;
  ChartAnswers chart;
  chart.markerPercent = setup.at;
  std::size_t current = 0;
  if (setup.comparing) {
    chart.series = answer.comparison.series;
    const auto& percents = answer.comparison.percents;
    while (current + 1 < percents.size() && percents[current + 1] <= setup.at) ++current;
  } else if (standing) {
    current = RowInEffect(answer.rows, setup.at);
  }
  std::string out = WritePageTable(answer);
  out += '\n';
  if (standing) {
    out += std::to_string(current) + '\t' + StandingSentence(setup.inputs, answer.rows, setup.at);
  }
  out += '\n';
  out += RenderChartSvg(setup.inputs, answer.rows, chart);
  return out;
}

}  // namespace

std::string CalculatePage(const FieldText (&fields)[kPageFields], PageAnswer answer) {
  SetupTexts texts{};
  for (int i = 0; i < kPageFields; ++i) texts[i] = Whole(fields[i], i >= 4);
  const auto judged = JudgeSetup(texts);
  if (const auto* error = std::get_if<SetupError>(&judged)) return '!' + error->message;
  const SetupAnswer setup = AnswerSetup(std::get<Setup>(judged));
  const auto& in = setup.setup.inputs;
  switch (answer) {
    case PageAnswer::kShown:
      return Shown(setup);
    case PageAnswer::kTable:
    case PageAnswer::kCsv: {
      // What reacalc-cli --frames (or --compare LIST) prints, with --csv for kCsv.
      const TableStyle& style = answer == PageAnswer::kCsv ? kCsvTable : kTabTable;
      return setup.setup.comparing ? WriteComparisonTable(in, setup.comparison, style)
                                   : WriteRowsTable(in, setup.rows, true, style);
    }
    case PageAnswer::kMarkdown:
      return WriteMarkdownAnswer(setup);
    case PageAnswer::kWiki:
      return WriteWikiAnswer(setup);
    case PageAnswer::kTimeline: {
      const int32_t at = setup.setup.at;
      if (at < 0) return {};
      return ShotTimelineSentence(FormatShotTimeline(ComputeShotTimeline(in, at))) + '\n' +
             RenderTimelineSvg(in, at);
    }
  }
  return {};
}
