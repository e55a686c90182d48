#include "run_cli.h"

#include "calc_inputs.h"
#include "format_row.h"
#include "svg_chart.h"

namespace {

constexpr const char* kUsage =
    "usage: reacalc-cli [--help] [--version] [--csv | --svg] [--] BASEREA FIRINGMODE FPS REA\n"
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
    "  --csv      the table as CSV (header REA,BPS) for spreadsheets\n"
    "  --svg      the table as an SVG step chart, for a browser or a page\n"
    "  --help     this text\n"
    "  --version  the program's name and version\n"
    "  --         ends the options: what follows is a value even if it starts with '-'\n"
    "\n"
    "Prints a header line REA<TAB>BPS and one line per row. Exit status: 0 on\n"
    "success, 1 when a value is invalid (its message on stderr), 2 on wrong usage.\n";

enum class Output { kTable, kCsv, kSvg };

// Messages and cell texts are ASCII.
std::string Narrow(const wchar_t* text) {
  std::string s;
  for (; *text; ++text) s += static_cast<char>(*text);
  return s;
}

std::string FormatTable(const CalcInputs& inputs, bool csv) {
  const char* separator = csv ? "," : "\t";
  const char* lineEnd = csv ? "\r\n" : "\n";
  std::string out = std::string("REA") + separator + "BPS" + lineEnd;
  for (const auto& row : ComputeBreakpointTable(inputs)) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(row, rea, bps);
    out += Narrow(rea) + separator + Narrow(bps) + lineEnd;
  }
  return out;
}

}  // namespace

CliResult RunCli(std::span<const std::wstring> args) {
  CliResult result;
  Output output = Output::kTable;
  bool conflicting = false;
  size_t first = 0;
  for (; first < args.size(); ++first) {
    const std::wstring& arg = args[first];
    if (arg == L"--help" || arg == L"--version") {
      result.out = arg == L"--help" ? kUsage : "reacalc-cli " REACALC_VERSION "\n";
      return result;
    }
    Output chosen;
    if (arg == L"--csv") {
      chosen = Output::kCsv;
    } else if (arg == L"--svg") {
      chosen = Output::kSvg;
    } else {
      if (arg == L"--") ++first;
      break;
    }
    // A table and a chart at once is a mistake, not a choice of the last.
    conflicting = conflicting || (output != Output::kTable && output != chosen);
    output = chosen;
  }
  if (conflicting || args.size() - first != 4) {
    result.exitCode = 2;
    result.err = kUsage;
    return result;
  }

  const auto parsed = ParseCalcInputs(args[first].c_str(), args[first + 1].c_str(),
                                      args[first + 2].c_str(), args[first + 3].c_str());
  if (const auto* error = std::get_if<InputValidationError>(&parsed)) {
    result.exitCode = 1;
    result.err = Narrow(error->message) + "\n";
    return result;
  }
  const auto& inputs = std::get<CalcInputs>(parsed);
  if (output == Output::kSvg) {
    result.out = RenderChartSvg(inputs, ComputeBreakpointTable(inputs));
  } else {
    result.out = FormatTable(inputs, output == Output::kCsv);
  }
  result.binary = output != Output::kTable;
  return result;
}
