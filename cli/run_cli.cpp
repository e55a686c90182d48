#include "run_cli.h"

#include "answer_inputs.h"
#include "calc_inputs.h"
#include "comparison.h"
#include "svg_chart.h"
#include "table_text.h"

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
    "Only one of --frames, --at and --compare; with --svg, --at and --compare\n"
    "may come together (the marker on the compared series).\n"
    "\n"
    "Prints a header line REA<TAB>BPS and one line per row. Exit status: 0 on\n"
    "success, 1 when a value is invalid (its message on stderr; the four values\n"
    "first, then P, then LIST), 2 on wrong usage.\n";

enum class Output { kTable, kCsv, kSvg };

struct Options {
  Output output = Output::kTable;
  bool frames = false;
  const std::wstring* at = nullptr;       // P
  const std::wstring* compare = nullptr;  // LIST
  std::size_t first = 0;                  // the first of the four values
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
    if (arg == L"--help" || arg == L"--version") {
      o.reply = arg == L"--help" ? kUsage : "reacalc-cli " REACALC_VERSION "\n";
      return o;
    }
    if (arg == L"--csv" || arg == L"--svg") {
      const Output output = arg == L"--csv" ? Output::kCsv : Output::kSvg;
      // A table and a chart at once are a mistake.
      o.wrong = o.wrong || (o.output != Output::kTable && o.output != output);
      o.output = output;
    } else if (arg == L"--frames") {
      o.frames = true;
    } else if (arg == L"--at" || arg == L"--compare") {
      const std::wstring*& value = arg == L"--at" ? o.at : o.compare;
      // Two values for one question are a mistake too, not a choice of the last.
      o.wrong = o.wrong || value != nullptr || o.first + 1 == args.size();
      if (o.first + 1 < args.size()) value = &args[++o.first];
    } else {
      if (arg == L"--") ++o.first;
      break;
    }
  }
  // One question at a time; only the chart can show a marker and the
  // compared series together.
  const int questions = o.frames + (o.at != nullptr) + (o.compare != nullptr);
  const bool markedComparison = o.output == Output::kSvg && !o.frames && questions == 2;
  o.wrong = o.wrong || (questions > 1 && !markedComparison) ||
            (o.frames && o.output == Output::kSvg) || args.size() - o.first != 4;
  return o;
}

CliResult Fail(int exitCode, std::string err) {
  CliResult result;
  result.exitCode = exitCode;
  result.err = std::move(err);
  return result;
}

}  // namespace

CliResult RunCli(std::span<const std::wstring> args, const ListReader& readList) {
  (void)readList;
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
  if (o.at) {
    const auto at = ParseStandingPercent(o.at->c_str(), inputs);
    if (const auto* error = std::get_if<AnswerInputError>(&at)) {
      return Fail(1, Narrow(error->message) + "\n");
    }
    chart.markerPercent = std::get<int32_t>(at);
  }
  Comparison comparison;
  if (o.compare) {
    const auto list = ParseFrameRateList(o.compare->c_str());
    if (const auto* error = std::get_if<AnswerInputError>(&list)) {
      return Fail(1, Narrow(error->message) + "\n");
    }
    comparison = CompareFrameRates(inputs, std::get<FrameRateList>(list));
    chart.series = comparison.series;
  }

  CliResult result;
  const TableStyle& style = o.output == Output::kCsv ? kCsvTable : kTabTable;
  const auto rows = ComputeBreakpointTable(inputs);
  if (o.output == Output::kSvg) {
    result.out = RenderChartSvg(inputs, rows, chart);
  } else if (o.at) {
    result.out = WriteStandingRecord(inputs, rows, chart.markerPercent, style);
  } else if (o.compare) {
    result.out = WriteComparisonTable(inputs, comparison, style);
  } else {
    result.out = WriteRowsTable(inputs, rows, o.frames, style);
  }
  result.binary = o.output != Output::kTable;
  return result;
}
