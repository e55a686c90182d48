#include "page_calculation.h"

#include <cwchar>

#include "answer_model.h"
#include "answer_text.h"
#include "setup.h"
#include "shot_timeline.h"
#include "standing_sentence.h"
#include "svg_chart.h"
#include "table_text.h"
#include "timeline_svg.h"

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
  std::string out = WriteDelimited(PageTable(answer), kTabTable) + '\n';
  if (setup.at >= 0) {
    const Standing standing = StandingAt(setup.inputs, answer.rows, setup.at);
    const std::size_t current =
        setup.comparing ? ComparisonRowAt(answer.comparison, setup.at) : standing.row;
    out += std::to_string(current) + '\t' + StandingSentence(standing);
  }
  out += '\n';
  return out + RenderChartSvg(setup.inputs, answer.rows,
                              ChartAnswers{setup.at, answer.comparison.series});
}

// The table the page carries out is the table itself, never the standing
// record that reacalc-cli --at prints instead.
SetupAnswer WithoutStanding(SetupAnswer answer) {
  answer.setup.at = -1;
  return answer;
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
    // What reacalc-cli --frames [--compare LIST] prints, with --csv for kCsv;
    // --markdown and --wiki [--at P] [--compare LIST].
    case PageAnswer::kTable:
      return WriteAnswer(TextFormat::kTsv, WithoutStanding(setup), true);
    case PageAnswer::kCsv:
      return WriteAnswer(TextFormat::kCsv, WithoutStanding(setup), true);
    case PageAnswer::kMarkdown:
      return WriteAnswer(TextFormat::kMarkdown, setup, true);
    case PageAnswer::kWiki:
      return WriteAnswer(TextFormat::kWiki, setup, true);
    case PageAnswer::kTimeline: {
      const int32_t at = setup.setup.at;
      if (at < 0) return {};
      return ShotTimelineSentence(FormatShotTimeline(ComputeShotTimeline(in, at))) + '\n' +
             RenderTimelineSvg(in, at);
    }
  }
  return {};
}
