// The command-line front end on the core, apart from the process around it:
// takes the arguments after the program name, writes what goes to stdout and
// stderr into two strings, and returns the exit code.
//
//   reacalc-cli [--help] [--version] [--csv | --svg] [--frames | --at P | --compare LIST]
//               [--] BASEREA FIRINGMODE FPS REA
//   reacalc-cli [--json | --markdown | --wiki] [--at P] [--compare LIST] [--] B F P R
//   reacalc-cli [--csv | --json | --markdown | --wiki] --list FILE
//   reacalc-cli [--csv | --svg | --json] --timeline P [--] B F P R
//
// 0: the table, "REA<TAB>BPS" and one line per row (with --csv: RFC 4180,
//    "REA,BPS" and CRLF line ends; with --svg: the chart of svg_chart.h);
//    --help: usage on stdout; --version: "reacalc-cli <version>" on stdout.
//    --frames: a third column FRAMES ("0<TAB>6.667<TAB>9").
//    --at 37: "AT BPS FRAMES SINCE NEXT NEXT_BPS NEXT_FRAMES" and one record,
//      "37 10.000 6 34 45 12.000 5"; the last three empty with no next row.
//    --compare 120,144: "REA BPS@60 BPS@120 BPS@144", a row per percentage
//      of any series, each cell the BPS in effect there.
//    With --svg, --at draws a marker and --compare one series per frame rate,
//    both together when both are given.
//    --json, --markdown, --wiki: the answer as json_text.h, markdown_text.h
//      and wiki_text.h write it, --at and --compare included.
//    --timeline 37: "AT READY FRAMES WAIT WAIT_MS" and one record (with
//      --json, {"timeline": ...}; with --svg, the picture of timeline_svg.h).
//    --list FILE: every line of the weapon list (weapon_list.h), in file
//      order, in the format chosen (list_answer.h); failing lines on
//      stderr, and exit 1.
// The answers themselves are written in answers/ (answer_text.h), where the
// page and the package write them too: this file only chooses.
// 1: a field failed its rule: its message alone on stderr, stdout empty (with
//    --json, the error as JSON); then P ("Enter your REA % from 0 to 80"),
//    then LIST. A list that can't be read or is no list: its message alone.
// 2: not exactly four values (none with --list), two formats, questions the
//    format does not answer (the table kMixes in run_cli.cpp), an option
//    twice, or --at/--compare/--list/--timeline without its value: usage on
//    stderr.
// Options are recognised only before the first value; any other argument,
// "-1" included, is a value and is judged by its field's rule.
#pragma once

#include <functional>
#include <span>
#include <string>

struct CliResult {
  int exitCode = 0;
  std::string out;
  std::string err;
  bool binary = false;  // CSV and SVG: the caller writes `out` as bytes, unchanged
};

// What --list FILE reads: the bytes of FILE, or of standard input for "-".
// `read` is false when it could not be read (no such file, a directory ...).
struct ListBytes {
  bool read = false;
  std::string bytes;
};
using ListReader = std::function<ListBytes(const std::wstring& name)>;

// `readList` is asked only for --list; without one, every list is unreadable.
[[nodiscard]] CliResult RunCli(std::span<const std::wstring> args, const ListReader& readList = {});
