#include "run_cli.h"

#include "answer_text.h"
#include "list_answer.h"
#include "setup.h"
#include "utf8.h"

namespace {

constexpr const char* kUsage =
    "usage: reacalc-cli [--help] [--version] [--csv | --svg] [--frames | --at P | --compare LIST]\n"
    "                   [--] BASEREA FIRINGMODE FPS REA\n"
    "       reacalc-cli [--json | --markdown | --wiki] [--at P] [--compare LIST]\n"
    "                   [--] BASEREA FIRINGMODE FPS REA\n"
    "       reacalc-cli [--csv | --json | --markdown | --wiki] --list FILE\n"
    "       reacalc-cli [--csv | --svg | --json] --timeline P [--] BASEREA FIRINGMODE FPS REA\n"
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
    "Options, only before the four values (one format at a time):\n"
    "  --csv           the output as CSV (commas, CRLF line ends) for spreadsheets\n"
    "  --svg           the table as an SVG step chart, for a browser or a page\n"
    "  --json          one JSON document for programs: {\"rows\": [{\"rea\": 0,\n"
    "                  \"bps\": 6.667, \"frames\": 9}, ...]}, with \"standing\" for\n"
    "                  --at and \"comparison\" for --compare; a bad input gives\n"
    "                  {\"error\": {\"input\": \"fps\", \"message\": ...}} on stdout too\n"
    "  --markdown      the page's table as a Markdown table, for forums and chats;\n"
    "                  with --at, the page's sentence after an empty line\n"
    "  --wiki          the same as a MediaWiki table ({| class=\"wikitable\" ... |})\n"
    "  --frames        a third column FRAMES: the frames per shot of each row\n"
    "                  (empty where BPS is 0.000); not with --svg; the JSON,\n"
    "                  Markdown and wikitext tables always have it\n"
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
    "  --list FILE     every weapon of a weapon list (CSV with the columns name,\n"
    "                  baseRea, firingMode, fps, rea and optionally at, compare;\n"
    "                  commas, semicolons or TABs; UTF-8 or UTF-16; FILE - is\n"
    "                  standard input) instead of the four values: one table\n"
    "                  NAME REA BPS FRAMES, a JSON array, or a Markdown or\n"
    "                  wikitext section per weapon; each failing line on stderr,\n"
    "                  naming the input and quoting its cell:\n"
    "                  line 5 (Shotgun): fps \"0\": Enter valid FPS > 0\n"
    "  --timeline P    the shot timeline at REA % P instead of the table: one\n"
    "                  record AT READY FRAMES WAIT WAIT_MS, the frames a shot\n"
    "                  needs, the frame it leaves on, and the frames (and ms) of\n"
    "                  every shot spent waiting for it (the last four empty where\n"
    "                  BPS is 0.000); P as for --at. With --svg: the timeline\n"
    "                  picture; with --json: {\"timeline\": {...}}\n"
    "  --help          this text\n"
    "  --version       the program's name and version\n"
    "  --              ends the options: what follows is a value even if it starts with '-'\n"
    "Only one of --frames, --at and --compare in a table; --at and --compare may\n"
    "come together with --svg, --json, --markdown and --wiki. --list takes none\n"
    "of them (the list carries its own), nor --svg; --timeline takes none of\n"
    "them, nor --markdown or --wiki.\n"
    "\n"
    "Prints a header line REA<TAB>BPS and one line per row. Exit status: 0 on\n"
    "success, 1 when a value is invalid (its message on stderr; the four values\n"
    "first, then P, then LIST) or when a list can't be read or has a failing\n"
    "line, 2 on wrong usage.\n";

using Format = TextFormat;
constexpr int kFormats = kTextFormats;

constexpr struct {
  const wchar_t* flag;
  Format format;
} kFormatFlags[] = {{L"--csv", Format::kCsv},
                    {L"--svg", Format::kSvg},
                    {L"--json", Format::kJson},
                    {L"--markdown", Format::kMarkdown},
                    {L"--wiki", Format::kWiki}};

// The questions an invocation asks, as bits: each option at most once.
enum Question : unsigned { kFrames = 1, kAt = 2, kCompare = 4, kList = 8, kTimeline = 16 };

// The options that take a value, and the question each one asks.
constexpr struct {
  const wchar_t* flag;
  Question question;
} kValueFlags[] = {
    {L"--at", kAt}, {L"--compare", kCompare}, {L"--list", kList}, {L"--timeline", kTimeline}};

// Which mixes of questions each format answers; any other is wrong usage
// (exit 2). --frames changes nothing in JSON, Markdown and wikitext, whose
// tables always carry the frames.
struct Mix {
  unsigned questions;
  bool in[kFormats];
};
constexpr Mix kMixes[] = {
    //                              TSV    CSV    SVG    JSON  Markdown wiki
    {0, /*                      */ {true, true, true, true, true, true}},
    {kFrames, /*                */ {true, true, false, true, true, true}},
    {kAt, /*                    */ {true, true, true, true, true, true}},
    {kCompare, /*               */ {true, true, true, true, true, true}},
    {kAt | kCompare, /*         */ {false, false, true, true, true, true}},
    {kFrames | kAt, /*          */ {false, false, false, true, true, true}},
    {kFrames | kCompare, /*     */ {false, false, false, true, true, true}},
    {kFrames | kAt | kCompare, {false, false, false, true, true, true}},
    {kList, /*                  */ {true, true, false, true, true, true}},
    {kTimeline, /*              */ {true, true, true, true, false, false}},
};

bool Answers(Format format, unsigned questions) {
  for (const Mix& mix : kMixes) {
    if (mix.questions == questions) return mix.in[static_cast<int>(format)];
  }
  return false;
}

struct Options {
  Format format = Format::kTsv;
  unsigned questions = 0;
  const std::wstring* values[std::size(kValueFlags)] = {};  // in kValueFlags order
  std::size_t first = 0;                                    // the first of the four values
  bool wrong = false;
  const char* reply = nullptr;  // --help or --version: this text and nothing else

  const std::wstring* Value(Question q) const {
    for (std::size_t k = 0; k < std::size(kValueFlags); ++k) {
      if (kValueFlags[k].question == q) return values[k];
    }
    return nullptr;
  }
};

Options ReadOptions(std::span<const std::wstring> args) {
  Options o;
  bool formatGiven = false;
  for (; o.first < args.size(); ++o.first) {
    const std::wstring& arg = args[o.first];
    if (arg == L"--help" || arg == L"--version") {
      o.reply = arg == L"--help" ? kUsage : "reacalc-cli " REACALC_VERSION "\n";
      return o;
    }
    const auto format = std::find_if(std::begin(kFormatFlags), std::end(kFormatFlags),
                                     [&](const auto& f) { return arg == f.flag; });
    const auto value = std::find_if(std::begin(kValueFlags), std::end(kValueFlags),
                                    [&](const auto& f) { return arg == f.flag; });
    if (format != std::end(kFormatFlags)) {
      // Two formats at once are a mistake; the same one twice is not.
      o.wrong = o.wrong || (formatGiven && o.format != format->format);
      o.format = format->format;
      formatGiven = true;
    } else if (arg == L"--frames") {
      o.questions |= kFrames;
    } else if (value != std::end(kValueFlags)) {
      // Two values for one question are a mistake too, not a choice of the last.
      o.wrong = o.wrong || (o.questions & value->question) || o.first + 1 == args.size();
      o.questions |= value->question;
      if (o.first + 1 < args.size()) o.values[value - kValueFlags] = &args[++o.first];
    } else {
      if (arg == L"--") ++o.first;
      break;
    }
  }
  const std::size_t values = (o.questions & kList) ? 0 : 4;
  o.wrong = o.wrong || !Answers(o.format, o.questions) || args.size() - o.first != values;
  return o;
}

CliResult Fail(int exitCode, std::string err) {
  CliResult result;
  result.exitCode = exitCode;
  result.err = std::move(err);
  return result;
}

// CSV, SVG, JSON, Markdown and wikitext are written as bytes (run_cli.h).
CliResult Reply(const Options& o, int exitCode, std::string out, std::string err) {
  return {exitCode, std::move(out), std::move(err), o.format != Format::kTsv};
}

// Every weapon of the list, in file order; failing lines on stderr.
CliResult RunList(const Options& o, const ListReader& readList) {
  const std::wstring& name = *o.Value(kList);
  const ListBytes file = readList ? readList(name) : ListBytes{};
  if (!file.read) return Fail(1, CannotReadList(EncodeUtf8(name)) + "\n");
  ListAnswer answer = AnswerList(o.format, file.bytes);
  return Reply(o, answer.exitCode, std::move(answer.out), std::move(answer.err));
}

}  // namespace

CliResult RunCli(std::span<const std::wstring> args, const ListReader& readList) {
  const Options o = ReadOptions(args);
  if (o.reply) return {0, o.reply, {}, false};
  if (o.wrong) return Fail(2, kUsage);
  if (o.questions & kList) return RunList(o, readList);

  const std::size_t f = o.first;
  // The timeline's P is judged as --at's is, and answered at that REA %.
  const std::wstring* at = (o.questions & kTimeline) ? o.Value(kTimeline) : o.Value(kAt);
  const std::wstring* compare = o.Value(kCompare);
  const SetupTexts texts = {
      args[f].c_str(),     args[f + 1].c_str(),        args[f + 2].c_str(),
      args[f + 3].c_str(), at ? at->c_str() : nullptr, compare ? compare->c_str() : nullptr};
  const auto judged = JudgeSetup(texts);
  if (const auto* error = std::get_if<SetupError>(&judged)) {
    return Reply(o, 1, WriteSetupError(o.format, *error), error->message + "\n");
  }
  const Setup& setup = std::get<Setup>(judged);
  return Reply(o, 0,
               (o.questions & kTimeline)
                   ? WriteTimeline(o.format, setup)
                   : WriteAnswer(o.format, AnswerSetup(setup), o.questions & kFrames),
               {});
}
