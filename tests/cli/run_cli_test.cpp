// Arguments, streams and exit codes of the command-line front end.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kDefaultTable =
    "REA\tBPS\n0\t6.667\n12\t7.500\n23\t8.571\n34\t10.000\n"
    "45\t12.000\n56\t15.000\n67\t20.000\n78\t30.000\n";

CliResult RunArgs(std::vector<std::wstring> args) { return RunCli(args); }

TEST(RunCli, PrintsTheTable) {
  const auto r = RunArgs({L"0.45", L"3", L"60", L"81"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, kDefaultTable);
  EXPECT_EQ(r.err, "");
}

TEST(RunCli, OptionsOnlyBeforeTheValues) {
  struct Case {
    std::vector<std::wstring> args;
    int exitCode;
    std::string out;
    std::string err;
  };
  const std::string csv =
      "REA,BPS\r\n0,6.667\r\n12,7.500\r\n23,8.571\r\n34,10.000\r\n"
      "45,12.000\r\n56,15.000\r\n67,20.000\r\n78,30.000\r\n";
  const Case cases[] = {
      {{L"--csv", L"0.45", L"3", L"60", L"81"}, 0, csv, ""},
      {{L"--csv", L"--csv", L"0.45", L"3", L"60", L"81"}, 0, csv, ""},
      {{L"--", L"0.45", L"3", L"60", L"81"}, 0, kDefaultTable, ""},
      {{L"--csv", L"--", L"0.45", L"3", L"60", L"81"}, 0, csv, ""},
      {{L"0.45", L"3", L"60", L"--csv"}, 1, "", "Enter valid REA % > 0\n"},
      {{L"0.45", L"--help", L"60", L"81"}, 1, "", "Enter valid firingMode > 0\n"},
      {{L"--", L"--help", L"3", L"60", L"81"}, 1, "", "Enter valid baseRea > 0\n"},
      {{L"-1", L"3", L"60", L"81"}, 1, "", "Enter valid baseRea > 0\n"},
      {{L"--", L"--", L"3", L"60", L"81"}, 1, "", "Enter valid baseRea > 0\n"},
      {{L"-x", L"3", L"60", L"81"}, 1, "", "Enter valid baseRea > 0\n"},
      {{L"0.45", L"3", L"0", L"x"}, 1, "", "Enter valid FPS > 0\n"},
      {{L"0.45", L"3", L"60", L"0"}, 1, "", "Enter valid REA % > 0\n"},
      {{L"0.45 ", L"x", L"x", L"x"}, 1, "", "Enter valid baseRea > 0\n"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << std::string(c.args[0].begin(), c.args[0].end());
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
  }
}

TEST(RunCli, UsageGoesToStdoutOnHelpAndToStderrOnWrongCount) {
  const std::vector<std::vector<std::wstring>> wrongCounts = {
      {},
      {L"0.45", L"3", L"60"},
      {L"0.45", L"3", L"60", L"81", L"5"},
      {L"--csv"},
      {L"--"},
      {L"--", L"--csv", L"0.45", L"3", L"60", L"81"},
      {L"--csv", L"--svg", L"0.45", L"3", L"60", L"81"},
      {L"--svg", L"--csv", L"0.45", L"3", L"60", L"81"},
      {L"--svg", L"--csv", L"--svg", L"0.45", L"3", L"60", L"81"}};
  for (const auto& args : wrongCounts) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("usage: reacalc-cli", 0), 0u);
  }
  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{L"--help"}, {L"--csv", L"--help"}, {L"--help", L"1", L"2"}}) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("usage: reacalc-cli", 0), 0u);
    EXPECT_EQ(r.err, "");
  }
}

TEST(RunCli, ChartAndVersion) {
  const auto svg = RunArgs({L"--svg", L"--", L"0.45", L"3", L"60", L"81"});
  EXPECT_EQ(svg.exitCode, 0);
  EXPECT_TRUE(svg.binary);  // the same bytes on every platform
  EXPECT_EQ(svg.out.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
  EXPECT_NE(svg.out.find("data-rea=\"78\" data-bps=\"30.000\""), std::string::npos);
  EXPECT_EQ(svg.err, "");
  EXPECT_EQ(RunArgs({L"--svg", L"--svg", L"0.45", L"3", L"60", L"81"}).out, svg.out);

  // A bad field is reported as in table mode, and no chart is written.
  const auto bad = RunArgs({L"--svg", L"0.45", L"3", L"6O", L"81"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "Enter valid FPS > 0\n");

  const auto version = RunArgs({L"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "reacalc-cli " REACALC_VERSION "\n");
  EXPECT_EQ(version.err, "");
  EXPECT_NE(RunArgs({L"--help"}).out.find("--svg"), std::string::npos);
}

TEST(RunCli, TableForWideAndLimitedInputs) {
  const auto r = RunArgs({L"\uFF10.45", L"\u0663", L"6\uFF10", L"250"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, kDefaultTable + "89\t60.000\n");
  EXPECT_EQ(RunArgs({L"inf", L"1", L"60", L"100"}).out, "REA\tBPS\n0\t0.000\n");
  EXPECT_EQ(RunArgs({L"0.92", L"1", L"17", L"1"}).out, "REA\tBPS\n0\t1.062\n");
}

TEST(RunCli, PlayersAnswers) {
  struct Case {
    std::vector<std::wstring> args;
    std::string out;
  };
  const std::vector<std::wstring> d = {L"0.45", L"3", L"60", L"81"};
  auto with = [&](std::vector<std::wstring> options) {
    options.insert(options.end(), d.begin(), d.end());
    return options;
  };
  const std::string atHeader = "AT\tBPS\tFRAMES\tSINCE\tNEXT\tNEXT_BPS\tNEXT_FRAMES\n";
  const Case cases[] = {
      {with({L"--frames"}),
       "REA\tBPS\tFRAMES\n0\t6.667\t9\n12\t7.500\t8\n23\t8.571\t7\n34\t10.000\t6\n"
       "45\t12.000\t5\n56\t15.000\t4\n67\t20.000\t3\n78\t30.000\t2\n"},
      {{L"--frames", L"--", L"100", L"1", L"60", L"100"}, "REA\tBPS\tFRAMES\n0\t0.000\t\n"},
      {with({L"--csv", L"--frames"}),
       "REA,BPS,FRAMES\r\n0,6.667,9\r\n12,7.500,8\r\n23,8.571,7\r\n"
       "34,10.000,6\r\n45,12.000,5\r\n56,15.000,4\r\n"
       "67,20.000,3\r\n78,30.000,2\r\n"},
      {with({L"--at", L"37"}), atHeader + "37\t10.000\t6\t34\t45\t12.000\t5\n"},
      {with({L"--at", L"0"}), atHeader + "0\t6.667\t9\t0\t12\t7.500\t8\n"},
      {with({L"--at", L"80"}), atHeader + "80\t30.000\t2\t78\t\t\t\n"},
      {with({L"--at", L"\uFF11\uFF12"}), atHeader + "12\t7.500\t8\t12\t23\t8.571\t7\n"},
      {{L"--at", L"5", L"100", L"1", L"60", L"100"}, atHeader + "5\t0.000\t\t0\t\t\t\n"},
      {{L"--at", L"1", L"2", L"1", L"60", L"52"}, atHeader + "1\t0.000\t\t0\t50\t1.000\t60\n"},
      {with({L"--csv", L"--at", L"37"}),
       "AT,BPS,FRAMES,SINCE,NEXT,NEXT_BPS,NEXT_FRAMES\r\n37,10.000,6,34,45,12.000,5\r\n"},
      {{L"--compare", L"120", L"0.45", L"3", L"60", L"7"},
       "REA\tBPS@60\tBPS@120\n0\t6.667\t6.667\n6\t6.667\t7.059\n"},
      {{L"--compare", L" 60, 60 ", L"0.45", L"3", L"60", L"13"},
       "REA\tBPS@60\n0\t6.667\n12\t7.500\n"},
      {{L"--csv", L"--compare", L"144,120", L"0.45", L"3", L"60", L"4"},
       "REA,BPS@60,BPS@144,BPS@120\r\n0,6.667,6.545,6.667\r\n3,6.667,6.857,6.667\r\n"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
  }
}

TEST(RunCli, PlayersAnswersOnTheChart) {
  const auto at = RunArgs({L"--svg", L"--at", L"37", L"0.45", L"3", L"60", L"81"});
  EXPECT_EQ(at.exitCode, 0);
  EXPECT_TRUE(at.binary);
  EXPECT_NE(at.out.find("class=\"at\" data-rea=\"37\""), std::string::npos);
  const auto compare = RunArgs({L"--compare", L"120,144", L"--svg", L"0.45", L"3", L"60", L"81"});
  EXPECT_EQ(compare.exitCode, 0);
  for (const char* fps : {"60", "120", "144"}) {
    EXPECT_NE(compare.out.find(std::string("class=\"series\" data-fps=\"") + fps + "\""),
              std::string::npos)
        << fps;
  }
}

TEST(RunCli, PlayersAnswersFailures) {
  struct Case {
    std::vector<std::wstring> args;
    int exitCode;
    std::string err;  // for exit 2: the usage
  };
  const std::string rea = "Enter your REA % from 0 to 80\n";
  const std::string list = "Enter 1 to 4 frame rates > 0 to compare\n";
  const Case cases[] = {
      // Bad values: the four fields first, then P, then the list.
      {{L"--at", L"81", L"0.45", L"3", L"60", L"81"}, 1, rea},
      {{L"--at", L"-1", L"0.45", L"3", L"60", L"81"}, 1, rea},
      {{L"--at", L"", L"0.45", L"3", L"60", L"81"}, 1, rea},
      {{L"--at", L"37 ", L"0.45", L"3", L"60", L"81"}, 1, rea},
      {{L"--at", L"99", L"0.45", L"3", L"60", L"250"}, 0, ""},
      {{L"--at", L"100", L"0.45", L"3", L"60", L"250"}, 1, "Enter your REA % from 0 to 99\n"},
      {{L"--at", L"1", L"0.45", L"3", L"60", L"1"}, 1, "Enter your REA % from 0 to 0\n"},
      {{L"--at", L"x", L"0.45", L"3", L"0", L"81"}, 1, "Enter valid FPS > 0\n"},
      {{L"--compare", L"6e1", L"0.45", L"3", L"60", L"81"}, 1, list},
      {{L"--compare", L"60;120", L"0.45", L"3", L"60", L"81"}, 1, list},
      {{L"--compare", L"0", L"0.45", L"3", L"60", L"81"}, 1, list},
      {{L"--compare", L"", L"0.45", L"3", L"60", L"81"}, 1, list},
      {{L"--compare", L"1,2,3,4,5", L"0.45", L"3", L"60", L"81"}, 1, list},
      {{L"--compare", L"x", L"0.45", L"x", L"60", L"81"}, 1, "Enter valid firingMode > 0\n"},
      {{L"--svg", L"--at", L"81", L"0.45", L"3", L"60", L"81"}, 1, rea},
      {{L"--timeline", L"81", L"0.45", L"3", L"60", L"81"}, 1, rea},
      // Usage: two questions, --frames on a chart, a missing value.
      {{L"--frames", L"--at", L"3", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--at", L"3", L"--compare", L"120", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--compare", L"120", L"--frames", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--at", L"3", L"--at", L"4", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--frames", L"--svg", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--svg", L"--frames", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--at"}, 2, ""},
      {{L"0.45", L"3", L"60", L"81", L"--at"}, 2, ""},
      {{L"--at", L"0.45", L"3", L"60", L"81"}, 2, ""},  // 0.45 is P: three values left
      {{L"--compare"}, 2, ""},
      // The marker and the series together only on a chart.
      {{L"--csv", L"--at", L"3", L"--compare", L"120", L"0.45", L"3", L"60", L"81"}, 2, ""},
      {{L"--svg", L"--at", L"3", L"--compare", L"120", L"--frames", L"0.45", L"3", L"60", L"81"},
       2,
       ""},
      {{L"--svg", L"--at", L"3", L"--compare", L"120", L"0.45", L"3", L"60", L"81"}, 0, ""},
      {{L"--svg", L"--compare", L"0", L"--at", L"81", L"0.45", L"3", L"60", L"81"}, 1, rea},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << std::string(c.args[1].begin(), c.args[1].end());
    if (c.exitCode == 2) {
      EXPECT_EQ(r.err.rfind("usage: reacalc-cli", 0), 0u);
    } else {
      EXPECT_EQ(r.err, c.err);
    }
    if (c.exitCode != 0) {
      EXPECT_EQ(r.out, "");
    }
  }
  const std::string help = RunArgs({L"--help"}).out;
  for (const char* option : {"--frames", "--at P", "--compare LIST", "FRAMES", "NEXT_BPS"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

}  // namespace

namespace {

// Which formats go with which questions, by exit status alone: 0 answered, 2 usage.
TEST(RunCli, FormatsAndQuestionsThatGoTogether) {
  struct Case {
    std::vector<std::wstring> options;
    int exitCode;
  };
  const Case cases[] = {
      {{L"--json"}, 0},
      {{L"--markdown", L"--at", L"3", L"--compare", L"120"}, 0},
      {{L"--wiki", L"--frames", L"--at", L"3"}, 0},
      {{L"--json", L"--frames", L"--compare", L"120"}, 0},
      {{L"--json", L"--json"}, 0},
      {{L"--json", L"--csv"}, 2},
      {{L"--markdown", L"--wiki"}, 2},
      {{L"--svg", L"--json"}, 2},
      {{L"--csv", L"--at", L"3", L"--compare", L"120"}, 2},
      {{L"--list", L"-"}, 2},  // the list carries its own values
      {{L"--svg", L"--timeline", L"3"}, 0},
      {{L"--timeline", L"3", L"--frames"}, 2},
      {{L"--timeline", L"3", L"--at", L"3"}, 2},
      {{L"--timeline", L"3", L"--compare", L"120"}, 2},
      {{L"--wiki", L"--timeline", L"3"}, 2},
  };
  for (const auto& c : cases) {
    std::vector<std::wstring> args = c.options;
    for (const wchar_t* v : {L"0.45", L"3", L"60", L"81"}) args.push_back(v);
    EXPECT_EQ(RunCli(args).exitCode, c.exitCode) << std::string(args[0].begin(), args[0].end());
  }
  for (const std::vector<std::wstring>& args :
       {std::vector<std::wstring>{L"--list", L"-", L"--frames"},
        {L"--frames", L"--list", L"-"},
        {L"--at", L"3", L"--list", L"-"},
        {L"--svg", L"--list", L"-"},
        {L"--list", L"-", L"--list", L"-"},
        {L"--list"}}) {
    EXPECT_EQ(RunCli(args).exitCode, 2) << args.size();
  }
}

// The record's values are the core's (shot_timeline_test); here, that an
// empty one is null in JSON.
TEST(RunCli, TimelineWithoutAShotInJson) {
  EXPECT_EQ(RunArgs({L"--json", L"--timeline", L"5", L"100", L"1", L"60", L"81"}).out,
            "{\"timeline\": {\"at\": 5, \"ready\": null, \"frames\": null, \"wait\": null, "
            "\"waitMs\": null}}\n");
}

TEST(RunCli, BadInputAsJson) {
  const auto r = RunArgs({L"--json", L"--at", L"81", L"0.45", L"3", L"60", L"81"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out,
            "{\"error\": {\"input\": \"at\", \"message\": \"Enter your REA % from 0 to 80\"}}\n");
  EXPECT_EQ(r.err, "Enter your REA % from 0 to 80\n");
}

// A failing line is reported and the others still answered; a file that is
// no list gets its message alone.
TEST(RunCli, WeaponLists) {
  const std::string list =
      "name,baseRea,firingMode,fps,rea\n"
      "\"A,\"\"b\"\"\",0.45,3,60,2\n"
      "Bad\t\x1b[31m,0.45,3,60.00,2\n"
      "C\tD,2,1,60,1\n";
  const auto reader = [&](const std::wstring& name) {
    return name == L"-" ? ListBytes{true, list} : ListBytes{};
  };
  struct Case {
    std::vector<std::wstring> args;
    int exitCode;
    std::string out;
  };
  const std::string stderrText =
      "line 3 (Bad  [31m): fps \"60.00\": Enter valid FPS > 0 (a whole number is needed)\n";
  const Case cases[] = {
      {{L"--list", L"-"}, 1, "NAME\tREA\tBPS\tFRAMES\nA,\"b\"\t0\t6.667\t9\nC D\t0\t0.000\t\n"},
      {{L"--csv", L"--list", L"-"},
       1,
       "NAME,REA,BPS,FRAMES\r\n\"A,\"\"b\"\"\",0,6.667,9\r\nC D,0,0.000,\r\n"},
      {{L"--json", L"--list", L"-"},
       1,
       "[\n{\"line\": 2, \"name\": \"A,\\\"b\\\"\", \"rows\": [{\"rea\": 0, \"bps\": 6.667, "
       "\"frames\": 9}]},\n{\"line\": 3, \"name\": \"Bad\\u0009\\u001b[31m\", \"error\": "
       "{\"input\": \"fps\", \"message\": \"Enter valid FPS > 0\", \"cell\": \"60.00\", "
       "\"hint\": \"a whole number is needed\"}},\n{\"line\": 4, \"name\": "
       "\"C\\u0009D\", \"rows\": [{\"rea\": 0, \"bps\": 0.000, \"frames\": null}]}\n]\n"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args, reader);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, stderrText);
  }
  const auto unreadable = RunCli(std::vector<std::wstring>{L"--list", L"x.csv"}, reader);
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_EQ(unreadable.out, "");
  EXPECT_EQ(unreadable.err, "Cannot read the weapon list x.csv.\n");
  const auto noList =
      RunCli(std::vector<std::wstring>{L"--json", L"--list", L"-"}, [](const std::wstring&) {
        return ListBytes{true, "a,b\n"};
      });
  EXPECT_EQ(noList.exitCode, 1);
  EXPECT_EQ(noList.out, "");
  EXPECT_EQ(noList.err.rfind("The weapon list has no column name", 0), 0u);
}

}  // namespace
