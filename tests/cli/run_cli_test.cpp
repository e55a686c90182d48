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

}  // namespace
