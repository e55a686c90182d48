#include "run_cli.h"

#include "calc_inputs.h"
#include "format_row.h"

namespace {

constexpr const char* kUsage =
    "usage: reacalc-cli [--help] [--csv] [--] BASEREA FIRINGMODE FPS REA\n"
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
    "  --csv   the table as CSV (header REA,BPS) for spreadsheets\n"
    "  --help  this text\n"
    "  --      ends the options: what follows is a value even if it starts with '-'\n"
    "\n"
    "Prints a header line REA<TAB>BPS and one line per row. Exit status: 0 on\n"
    "success, 1 when a value is invalid (its message on stderr), 2 on wrong usage.\n";

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
  size_t first = 0;
  for (; first < args.size(); ++first) {
    if (args[first] == L"--help") {
      result.out = kUsage;
      return result;
    }
    if (args[first] == L"--csv") {
      result.csv = true;
    } else {
      if (args[first] == L"--") ++first;
      break;
    }
  }
  if (args.size() - first != 4) {
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
  result.out = FormatTable(std::get<CalcInputs>(parsed), result.csv);
  return result;
}
