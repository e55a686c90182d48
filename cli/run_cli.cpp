#include "run_cli.h"

#include "answer_inputs.h"
#include "calc_inputs.h"
#include "comparison.h"
#include "format_row.h"
#include "svg_chart.h"

namespace {

constexpr const char* kUsage =
    "usage: reacalc-cli [--help] [--version] [--csv | --svg] [--frames | --at P | --compare LIST]\n"
    "                   [--] BASEREA FIRINGMODE FPS REA\n"
    "\n"
    "Lists the framebreaks: the REA reduction percentages at which the rate of\n"
    "fire, quantised to whole frames, changes, with the shots per second there.\n"
    "\n"
    "  BASEREA     base REA time in seconds, > 0            (window default 0.45)\n"
    "  FIRINGMODE  shots per REA cycle, >= 1                (3)\n"
    "  FPS         client frames per second, >= 1           (60)\n"
    "  REA         percentages to scan from 0 %, >= 1;\n"
    "              at most 100 are scanned                  (81)\n"
    "\n"
    "Options, only before the four values:\n"
    "  --csv           the output as CSV (commas, CRLF line ends) for spreadsheets\n"
    "  --svg           the table as an SVG step chart, for a browser or a page\n"
    "  --frames        a third column FRAMES: the frames per shot of each row\n"
    "                  (empty where BPS is 0.000); not with --svg\n"
    "  --at P          where REA % P stands instead of the table: one record\n"
    "                  AT BPS FRAMES SINCE NEXT NEXT_BPS NEXT_FRAMES, the row in\n"
    "                  effect at P (since its REA %) and the next framebreak (the\n"
    "                  last three empty when there is none); P from 0 to REA - 1,\n"
    "                  at most 99. With --svg: the chart with a marker at P\n"
    "  --compare LIST  up to four more frame rates, one argument (\"120,144\" or\n"
    "                  \"120 144\"): columns REA BPS@FPS BPS@120 BPS@144, a row at\n"
    "                  every REA % where any of them changes, each cell the BPS in\n"
    "                  effect there; a rate already listed is dropped. With --svg:\n"
    "                  one series per frame rate\n"
    "  --help          this text\n"
    "  --version       the program's name and version\n"
    "  --              ends the options: what follows is a value even if it starts with '-'\n"
    "Only one of --frames, --at and --compare.\n"
    "\n"
    "Prints a header line REA<TAB>BPS and one line per row. Exit status: 0 on\n"
    "success, 1 when a value is invalid (its message on stderr; the four values\n"
    "first, then P, then LIST), 2 on wrong usage.\n";

enum class Output { kTable, kCsv, kSvg };
enum class Answer { kTable, kFrames, kAt, kCompare };

struct Options {
  Output output = Output::kTable;
  Answer answer = Answer::kTable;
  std::wstring answerValue;  // P or LIST
  std::size_t first = 0;     // the first of the four values
  bool wrong = false;
  const char* reply = nullptr;  // --help or --version: this text and nothing else
};

// Messages and cell texts are ASCII.
std::string Narrow(const wchar_t* text) {
  std::string s;
  for (; *text; ++text) s += static_cast<char>(*text);
  return s;
}

Options ReadOptions(std::span<const std::wstring> args) {
  Options o;
  for (; o.first < args.size(); ++o.first) {
    const std::wstring& arg = args[o.first];
    Output output = o.output;
    Answer answer = o.answer;
    if (arg == L"--help" || arg == L"--version") {
      o.reply = arg == L"--help" ? kUsage : "reacalc-cli " REACALC_VERSION "\n";
      return o;
    }
    if (arg == L"--csv") {
      output = Output::kCsv;
    } else if (arg == L"--svg") {
      output = Output::kSvg;
    } else if (arg == L"--frames") {
      answer = Answer::kFrames;
    } else if (arg == L"--at" || arg == L"--compare") {
      answer = arg == L"--at" ? Answer::kAt : Answer::kCompare;
      // Two values for one question are a mistake too, not a choice of the last.
      o.wrong = o.wrong || o.answer == answer || o.first + 1 == args.size();
      if (o.first + 1 < args.size()) o.answerValue = args[++o.first];
    } else {
      if (arg == L"--") ++o.first;
      break;
    }
    // A table and a chart at once, or two questions, are mistakes.
    o.wrong = o.wrong || (o.output != Output::kTable && o.output != output) ||
              (o.answer != Answer::kTable && o.answer != answer);
    o.output = output;
    o.answer = answer;
  }
  o.wrong = o.wrong || (o.answer == Answer::kFrames && o.output == Output::kSvg) ||
            args.size() - o.first != 4;
  return o;
}

struct Writer {
  const char* separator;
  const char* lineEnd;
  std::string out;

  void Line(std::initializer_list<std::string> fields) {
    bool firstField = true;
    for (const auto& field : fields) {
      if (!firstField) out += separator;
      out += field;
      firstField = false;
    }
    out += lineEnd;
  }
};

std::string Table(const CalcInputs& inputs, Writer w, bool frames) {
  if (frames) {
    w.Line({"REA", "BPS", "FRAMES"});
  } else {
    w.Line({"REA", "BPS"});
  }
  for (const auto& row : ComputeBreakpointTable(inputs)) {
    const RowTexts t = FormatRowTexts(inputs, row);
    if (frames) {
      w.Line({t.rea, t.bps, t.frames});
    } else {
      w.Line({t.rea, t.bps});
    }
  }
  return w.out;
}

std::string Standing(const CalcInputs& inputs, int32_t percent, Writer w) {
  const auto rows = ComputeBreakpointTable(inputs);
  const std::size_t k = RowInEffect(rows, percent);
  const RowTexts since = FormatRowTexts(inputs, rows[k]);
  const RowTexts next = k + 1 < rows.size() ? FormatRowTexts(inputs, rows[k + 1]) : RowTexts{};
  w.Line({"AT", "BPS", "FRAMES", "SINCE", "NEXT", "NEXT_BPS", "NEXT_FRAMES"});
  w.Line({std::to_string(percent), since.bps, since.frames, since.rea, next.rea, next.bps,
          next.frames});
  return w.out;
}

std::string ComparisonTable(const CalcInputs& inputs, const Comparison& comparison, Writer w) {
  std::string header = "REA";
  for (const auto& series : comparison.series) {
    header += w.separator + ("BPS@" + std::to_string(series.fps));
  }
  w.out += header + w.lineEnd;
  for (const int32_t percent : comparison.percents) {
    std::string line = std::to_string(percent);
    for (const auto& series : comparison.series) {
      line += w.separator + ComparisonCell(inputs, series, percent);
    }
    w.out += line + w.lineEnd;
  }
  return w.out;
}

CliResult Fail(int exitCode, std::string err) {
  CliResult result;
  result.exitCode = exitCode;
  result.err = std::move(err);
  return result;
}

}  // namespace

CliResult RunCli(std::span<const std::wstring> args) {
  const Options o = ReadOptions(args);
  if (o.reply) {
    CliResult result;
    result.out = o.reply;
    return result;
  }
  if (o.wrong) return Fail(2, kUsage);

  const std::size_t f = o.first;
  const auto parsed = ParseCalcInputs(args[f].c_str(), args[f + 1].c_str(), args[f + 2].c_str(),
                                      args[f + 3].c_str());
  if (const auto* error = std::get_if<InputValidationError>(&parsed)) {
    return Fail(1, Narrow(error->message) + "\n");
  }
  const auto& inputs = std::get<CalcInputs>(parsed);

  ChartAnswers chart;
  int32_t percent = 0;
  Comparison comparison;
  if (o.answer == Answer::kAt) {
    const auto at = ParseStandingPercent(o.answerValue.c_str(), inputs);
    if (const auto* error = std::get_if<AnswerInputError>(&at)) {
      return Fail(1, Narrow(error->message) + "\n");
    }
    percent = std::get<int32_t>(at);
    chart.markerPercent = percent;
  } else if (o.answer == Answer::kCompare) {
    const auto list = ParseFrameRateList(o.answerValue.c_str());
    if (const auto* error = std::get_if<AnswerInputError>(&list)) {
      return Fail(1, Narrow(error->message) + "\n");
    }
    comparison = CompareFrameRates(inputs, std::get<FrameRateList>(list));
    chart.series = comparison.series;
  }

  CliResult result;
  const bool csv = o.output == Output::kCsv;
  const Writer writer{csv ? "," : "\t", csv ? "\r\n" : "\n", {}};
  if (o.output == Output::kSvg) {
    result.out = RenderChartSvg(inputs, ComputeBreakpointTable(inputs), chart);
  } else if (o.answer == Answer::kAt) {
    result.out = Standing(inputs, percent, writer);
  } else if (o.answer == Answer::kCompare) {
    result.out = ComparisonTable(inputs, comparison, writer);
  } else {
    result.out = Table(inputs, writer, o.answer == Answer::kFrames);
  }
  result.binary = o.output != Output::kTable;
  return result;
}
