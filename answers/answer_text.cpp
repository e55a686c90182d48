#include "answer_text.h"

#include "answer_model.h"
#include "json_text.h"
#include "markdown_text.h"
#include "svg_chart.h"
#include "table_text.h"
#include "timeline_svg.h"
#include "wiki_text.h"

namespace {

const TableStyle& StyleOf(TextFormat format) {
  return format == TextFormat::kCsv ? kCsvTable : kTabTable;
}

}  // namespace

std::string WriteAnswer(TextFormat format, const SetupAnswer& answer, bool frames) {
  const Setup& s = answer.setup;
  switch (format) {
    case TextFormat::kSvg:
      return RenderChartSvg(s.inputs, answer.rows, ChartAnswers{s.at, answer.comparison.series});
    case TextFormat::kJson:
      return WriteJsonAnswer(answer);
    case TextFormat::kMarkdown:
      return WriteMarkdownAnswer(answer);
    case TextFormat::kWiki:
      return WriteWikiAnswer(answer);
    case TextFormat::kTsv:
    case TextFormat::kCsv:
      break;
  }
  const TextTable table = s.at >= 0 ? StandingTable(StandingAt(s.inputs, answer.rows, s.at))
                          : s.comparing
                              ? ComparisonTable(s.inputs, answer.comparison, Headers::kCli)
                              : RowsTable(s.inputs, answer.rows, frames, Headers::kCli);
  return WriteDelimited(table, StyleOf(format));
}

std::string WriteTimeline(TextFormat format, const Setup& setup) {
  if (format == TextFormat::kSvg) return RenderTimelineSvg(setup.inputs, setup.at);
  const TimelineTexts texts = FormatShotTimeline(ComputeShotTimeline(setup.inputs, setup.at));
  if (format == TextFormat::kJson) return WriteJsonTimeline(texts);
  return WriteDelimited(TimelineTable(texts), StyleOf(format));
}

std::string WriteSetupError(TextFormat format, const SetupError& error) {
  return format == TextFormat::kJson ? WriteJsonError(error) : std::string();
}
