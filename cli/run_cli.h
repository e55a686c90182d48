// The command-line front end on the core, apart from the process around it:
// takes the arguments after the program name, writes what goes to stdout and
// stderr into two strings, and returns the exit code.
//
//   reacalc-cli [--help] [--version] [--csv | --svg] [--] BASEREA FIRINGMODE FPS REA
//
// 0: the table, "REA<TAB>BPS" and one line per row (with --csv: RFC 4180,
//    "REA,BPS" and CRLF line ends; with --svg: the chart of svg_chart.h);
//    --help: usage on stdout; --version: "reacalc-cli <version>" on stdout.
// 1: a field failed its rule: its message alone on stderr, stdout empty.
// 2: not exactly four values, or --csv with --svg: usage on stderr.
// Options are recognised only before the first value; any other argument,
// "-1" included, is a value and is judged by its field's rule.
#pragma once

#include <span>
#include <string>

struct CliResult {
  int exitCode = 0;
  std::string out;
  std::string err;
  bool binary = false;  // CSV and SVG: the caller writes `out` as bytes, unchanged
};

[[nodiscard]] CliResult RunCli(std::span<const std::wstring> args);
