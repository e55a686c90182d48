// The page's answer for four field texts: the rows and the chart, or the
// first bad field's message, with texts taken exactly as the fields hold them.
#include "page_calculation.h"

#include <gtest/gtest.h>

#include <string>

#include "breakpoint_table.h"
#include "svg_chart.h"

namespace {

std::string Calculate(std::wstring b, std::wstring f, std::wstring p, std::wstring r) {
  const FieldText fields[4] = {
      {b.c_str(), b.size()}, {f.c_str(), f.size()}, {p.c_str(), p.size()}, {r.c_str(), r.size()}};
  return CalculatePage(fields);
}

TEST(PageCalculation, RowsThenTheChart) {
  const std::string rows =
      "0\t6.667\n12\t7.500\n23\t8.571\n34\t10.000\n45\t12.000\n56\t15.000\n67\t20.000\n"
      "78\t30.000\n\n";
  const CalcInputs in{0.45, 3, 60, 81};
  EXPECT_EQ(Calculate(L"0.45", L"3", L"60", L"81"),
            rows + RenderChartSvg(in, ComputeBreakpointTable(in)));
}

TEST(PageCalculation, FirstBadFieldInOrder) {
  struct Case {
    std::wstring b, f, p, r;
    const char* answer;
  };
  const Case cases[] = {
      {L"0.45 ", L"x", L"x", L"x", "!Enter valid baseRea > 0"},
      {L"0.45", L"3.0", L"0", L"0", "!Enter valid firingMode > 0"},
      {L"0.45", L"3", L"", L"", "!Enter valid FPS > 0"},
      {L"0.45", L"3", L"60", L"-1", "!Enter valid REA % > 0"},
      // U+0000 inside a text is trailing text, not its end.
      {std::wstring(L"0.45\0junk", 9), L"3", L"60", L"81", "!Enter valid baseRea > 0"},
      {L"0.45", L"3", std::wstring(L"60\0", 3), L"81", "!Enter valid FPS > 0"},
      {L"0.45", L"3", L"60", std::wstring(L"\0", 1), "!Enter valid REA % > 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(Calculate(c.b, c.f, c.p, c.r), c.answer);
}

}  // namespace
