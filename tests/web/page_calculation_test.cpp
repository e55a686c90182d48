// The page's answer for its six field texts: the table, the standing and the
// chart, or the first bad input's message, with texts taken exactly as the
// fields hold them.
#include "page_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "breakpoint_table.h"
#include "page_list.h"
#include "run_cli.h"
#include "svg_chart.h"

namespace {

std::string Calculate(std::wstring b, std::wstring f, std::wstring p, std::wstring r,
                      std::wstring at = L"", std::wstring compare = L"",
                      PageAnswer answer = PageAnswer::kShown) {
  const FieldText fields[kPageFields] = {
      {b.c_str(), b.size()}, {f.c_str(), f.size()},   {p.c_str(), p.size()},
      {r.c_str(), r.size()}, {at.c_str(), at.size()}, {compare.c_str(), compare.size()}};
  return CalculatePage(fields, answer);
}

// The answer up to the chart: the table, the empty line and the standing line.
std::string BeforeChart(const std::string& answer) { return answer.substr(0, answer.find("<svg")); }

TEST(PageCalculation, TableThenStandingThenTheChart) {
  const std::string table =
      "REA\tBPS\tFrames\n0\t6.667\t9\n12\t7.500\t8\n23\t8.571\t7\n34\t10.000\t6\n"
      "45\t12.000\t5\n56\t15.000\t4\n67\t20.000\t3\n78\t30.000\t2\n\n";
  const CalcInputs in{0.45, 3, 60, 81};
  const auto rows = ComputeBreakpointTable(in);
  EXPECT_EQ(Calculate(L"0.45", L"3", L"60", L"81"), table + "\n" + RenderChartSvg(in, rows));
  EXPECT_EQ(Calculate(L"0.45", L"3", L"60", L"81", L"37"),
            table +
                "3\tAt 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak at 45 % "
                "(+8): 12.000 BPS (5 frames a shot).\n" +
                RenderChartSvg(in, rows, {37, {}}));
}

TEST(PageCalculation, StandingSentences) {
  struct Case {
    std::wstring b, f, p, r, at;
    const char* line;
  };
  const Case cases[] = {
      {L"0.45", L"3", L"60", L"81", L"80",
       "7\tAt 80 %: 30.000 BPS (2 frames a shot) since 78 %. No further framebreak up to 80 %."},
      {L"0.45", L"3", L"60", L"80", L"78",
       "7\tAt 78 %: 30.000 BPS (2 frames a shot) since 78 %. No further framebreak up to 79 %."},
      {L"0.45", L"3", L"60", L"81", L"0",
       "0\tAt 0 %: 6.667 BPS (9 frames a shot) since 0 %. Next framebreak at 12 % (+12): 7.500 "
       "BPS (8 frames a shot)."},
      {L"100", L"1", L"60", L"100", L"5",
       "0\tAt 5 %: 0.000 BPS since 0 %. No further framebreak up to 99 %."},
      {L"2", L"1", L"60", L"52", L"\uFF11",
       "0\tAt 1 %: 0.000 BPS since 0 %. Next framebreak at 50 % (+49): 1.000 BPS (60 frames a "
       "shot)."},
  };
  for (const auto& c : cases) {
    const std::string answer = BeforeChart(Calculate(c.b, c.f, c.p, c.r, c.at));
    EXPECT_EQ(answer.substr(answer.find("\n\n") + 2), std::string(c.line) + "\n");
  }
}

TEST(PageCalculation, ComparisonTableAndItsRowInEffect) {
  EXPECT_EQ(BeforeChart(Calculate(L"0.45", L"3", L"60", L"4", L"", L"144, 120,60")),
            "REA\tBPS @ 60\tBPS @ 144\tBPS @ 120\n0\t6.667\t6.545\t6.667\n"
            "3\t6.667\t6.857\t6.667\n\n\n");
  // The row in effect is the comparison's; the sentence is the main Fps's.
  EXPECT_EQ(BeforeChart(Calculate(L"0.45", L"3", L"60", L"7", L"5", L"120 144")),
            "REA\tBPS @ 60\tBPS @ 120\tBPS @ 144\n0\t6.667\t6.667\t6.545\n"
            "3\t6.667\t6.667\t6.857\n6\t6.667\t7.059\t6.857\n\n"
            "1\tAt 5 %: 6.667 BPS (9 frames a shot) since 0 %. No further framebreak up to 6 %.\n");
}

// What the page copies and downloads is what reacalc-cli prints for the same
// texts: the table with --frames (or --compare), its CSV, and the chart.
TEST(PageCalculation, CarriesOutWhatTheCliPrints) {
  struct Case {
    std::wstring b, f, p, r, at, compare;
  };
  const Case cases[] = {
      {L"0.45", L"3", L"60", L"81", L"", L""},
      {L" \uFF10.45", L"007", L"6\uFF10", L"250", L"37", L""},
      {L"100", L"1", L"60", L"100", L"", L""},  // empty Frames cells
      {L"0.45", L"3", L"60", L"81", L"", L"120, 144"},
      {L"0.45", L"3", L"60", L"81", L"37", L"144 120 60 240"},
  };
  for (const auto& c : cases) {
    auto cli = [&](std::vector<std::wstring> args, bool svg) {
      if (svg && !c.at.empty()) args.insert(args.end(), {L"--at", c.at});
      if (!c.compare.empty()) {
        args.insert(args.end(), {L"--compare", c.compare});
      } else if (!svg) {
        args.push_back(L"--frames");
      }
      args.insert(args.end(), {L"--", c.b, c.f, c.p, c.r});
      return RunCli(args).out;
    };
    const std::string shown = Calculate(c.b, c.f, c.p, c.r, c.at, c.compare);
    EXPECT_EQ(shown.substr(shown.find("<svg")), cli({L"--svg"}, true));
    EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r, c.at, c.compare, PageAnswer::kTable), cli({}, false));
    EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r, c.at, c.compare, PageAnswer::kCsv),
              cli({L"--csv"}, false));
    // --markdown and --wiki take --at and --compare as --svg does.
    EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r, c.at, c.compare, PageAnswer::kMarkdown),
              cli({L"--markdown"}, true));
    EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r, c.at, c.compare, PageAnswer::kWiki),
              cli({L"--wiki"}, true));
  }
  EXPECT_EQ(Calculate(L"0.45", L"3", L"6O", L"81", L"", L"", PageAnswer::kCsv),
            "!Enter valid FPS > 0");
}

TEST(PageCalculation, FirstBadInputInOrder) {
  struct Case {
    std::wstring b, f, p, r, at, compare;
    const char* answer;
  };
  const Case cases[] = {
      {L"0.45 ", L"x", L"x", L"x", L"x", L"x", "!Enter valid baseRea > 0"},
      {L"0.45", L"3.0", L"0", L"0", L"", L"", "!Enter valid firingMode > 0"},
      {L"0.45", L"3", L"", L"", L"x", L"x", "!Enter valid FPS > 0"},
      {L"0.45", L"3", L"60", L"-1", L"", L"", "!Enter valid REA % > 0"},
      {L"0.45", L"3", L"60", L"81", L"81", L"x", "!Enter your REA % from 0 to 80"},
      {L"0.45", L"3", L"60", L"81", L" ", L"", "!Enter your REA % from 0 to 80"},
      {L"0.45", L"3", L"60", L"250", L"100", L"", "!Enter your REA % from 0 to 99"},
      {L"0.45", L"3", L"60", L"81", L"3", L"6e1", "!Enter 1 to 4 frame rates > 0 to compare"},
      {L"0.45", L"3", L"60", L"81", L"", L" ", "!Enter 1 to 4 frame rates > 0 to compare"},
      {L"0.45", L"3", L"60", L"81", L"", L"1 2 3 4 5", "!Enter 1 to 4 frame rates > 0 to compare"},
      // U+0000 inside a text is trailing text, not its end.
      {std::wstring(L"0.45\0junk", 9), L"3", L"60", L"81", L"", L"", "!Enter valid baseRea > 0"},
      {L"0.45", L"3", std::wstring(L"60\0", 3), L"81", L"", L"", "!Enter valid FPS > 0"},
      {L"0.45", L"3", L"60", std::wstring(L"\0", 1), L"", L"", "!Enter valid REA % > 0"},
      {L"0.45", L"3", L"60", L"81", std::wstring(L"3\0", 2), L"", "!Enter your REA % from 0 to 80"},
      {L"0.45", L"3", L"60", L"81", L"", std::wstring(L"120\0", 4),
       "!Enter 1 to 4 frame rates > 0 to compare"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r, c.at, c.compare), c.answer);
  }
}

// A list to import: good lines with their cells exactly as in the file, bad
// ones with their line, name and first message, in file order; a file that
// is no list, its message. Only the first 100 failures are listed.
TEST(PageList, SetupsFailuresAndRefusals) {
  struct Case {
    std::string file, answer;
  };
  const std::string header = "\xEF\xBB\xBFname,Rea,fps,firingMode,baseRea,compare,note\r\n";
  const Case cases[] = {
      {header + "\" <b>\"\"R\"\" \",81,6\xEF\xBC\x90,3, "
                "0.45,\"120,144\",x\r\n\r\nS,81,0,3,0.45\n,1,1,1,1\n",
       R"({"setups": [{"line": 2, "name": "<b>\"R\"", "fields": {"baseRea": " 0.45", )"
       R"("firingMode": "3", "fps": "6０", "rea": "81", "at": "", "compare": "120,144"}}], )"
       R"("failures": [{"line": 4, "name": "S", "message": "Enter valid FPS > 0", )"
       R"("text": "line 4 (S): fps \"0\": Enter valid FPS > 0"}, )"
       R"({"line": 5, "name": null, "message": "Enter a setup name of 1 to 40 characters.", )"
       R"("text": "line 5: Enter a setup name of 1 to 40 characters."}], )"
       R"("failureCount": 2})"},
      {"name,baseRea,fps,rea\n",
       R"({"error": "The weapon list has no column firingMode: its )"
       R"(first line must name the columns name, baseRea, firingMode, fps and rea, separated by )"
       R"(commas, semicolons or TABs. It reads \"name,baseRea,fps,rea\"."})"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadPageList(c.file), c.answer);
  std::string many = "name,baseRea,firingMode,fps,rea\n";
  for (int k = 0; k < 150; ++k) many += "x,0,1,1,1\n";
  const std::string answer = ReadPageList(many);
  EXPECT_NE(answer.find(R"({"line": 101, )"), std::string::npos);
  EXPECT_EQ(answer.find(R"({"line": 102, )"), std::string::npos);
  EXPECT_TRUE(answer.ends_with(R"(, "failureCount": 150})"));
}

}  // namespace
