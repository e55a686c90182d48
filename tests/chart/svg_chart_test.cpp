// The chart document: one element per row with the table's own texts, a
// staircase that follows the table, and nothing a page could not embed.
#include "svg_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "format_row.h"

namespace {

struct DrawnRow {
  std::string rea, bps, title;
  double x, yFrom, y, xTo;  // the path: riser from yFrom (= y on the first row), step to xTo
};

// Reads `text` at `at` and moves past it; false if it is not there.
bool Skip(const std::string& s, std::size_t& at, const std::string& text) {
  if (s.compare(at, text.size(), text) != 0) return false;
  at += text.size();
  return true;
}

// The text from `at` up to `end`, moving past both.
std::string Upto(const std::string& s, std::size_t& at, char end) {
  const std::size_t stop = std::min(s.find(end, at), s.size());
  std::string text = s.substr(at, stop - at);
  at = stop + 1;
  return text;
}

// A path coordinate, [0-9.]+; NaN where there is none.
double Number(const std::string& s, std::size_t& at) {
  const std::size_t from = at;
  while (at < s.size() && (std::isdigit(static_cast<unsigned char>(s[at])) || s[at] == '.')) ++at;
  return at > from ? std::stod(s.substr(from, at - from)) : std::nan("");
}

// Every row element, read by hand (std::regex here cost most of the tests'
// build): <g class="row" data-rea=".." data-bps=".."><title>..</title>
// <path d="MX Y[VY2]HX2"/>; one that strays from that form is left out.
std::vector<DrawnRow> DrawnRows(const std::string& svg) {
  std::vector<DrawnRow> rows;
  const std::string start = "<g class=\"row\" data-rea=\"";
  for (std::size_t at = svg.find(start); at != std::string::npos; at = svg.find(start, at)) {
    at += start.size();
    DrawnRow r{};
    r.rea = Upto(svg, at, '"');
    if (!Skip(svg, at, " data-bps=\"")) continue;
    r.bps = Upto(svg, at, '"');
    if (!Skip(svg, at, "><title>")) continue;
    r.title = Upto(svg, at, '<');
    if (!Skip(svg, at, "/title><path d=\"M")) continue;
    r.x = Number(svg, at);
    if (!Skip(svg, at, " ")) continue;
    r.yFrom = r.y = Number(svg, at);
    if (Skip(svg, at, "V")) r.y = Number(svg, at);
    if (!Skip(svg, at, "H")) continue;
    r.xTo = Number(svg, at);
    if (Skip(svg, at, "\"/>") && !std::isnan(r.x + r.yFrom + r.y + r.xTo)) rows.push_back(r);
  }
  return rows;
}

std::string Render(const CalcInputs& in) { return RenderChartSvg(in, ComputeBreakpointTable(in)); }

std::string Narrow(const wchar_t* text) { return std::string(text, text + std::wcslen(text)); }

TEST(Chart, DefaultInputsGiveTheEightRowsOfTheTable) {
  const auto rows = DrawnRows(Render({0.45, 3, 60, 81}));
  const char* expected[][2] = {{"0", "6.667"},   {"12", "7.500"},  {"23", "8.571"},
                               {"34", "10.000"}, {"45", "12.000"}, {"56", "15.000"},
                               {"67", "20.000"}, {"78", "30.000"}};
  ASSERT_EQ(rows.size(), 8u);
  for (size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].rea, expected[k][0]);
    EXPECT_EQ(rows[k].bps, expected[k][1]);
    EXPECT_EQ(rows[k].title, std::string(expected[k][0]) + " %: " + expected[k][1] + " BPS");
  }
}

TEST(Chart, StaircaseFollowsTheTable) {
  const CalcInputs cases[] = {
      {0.45, 3, 60, 81},
      {0.45, 3, 60, 250},
      {0.1, 1, 120, 100},
      {0.5, 1, 120, 100},
      {0.01, 3, 30, 5},
      {100, 1, 60, 100},
      {0.45, 3, 60, 1},
      {0.92, 1, 17, 1},
      {0.001, 1, 2147483647, 100},
      {std::numeric_limits<double>::infinity(), 1, 60, 2},
  };
  for (const auto& in : cases) {
    const auto table = ComputeBreakpointTable(in);
    const auto rows = DrawnRows(RenderChartSvg(in, table));
    ASSERT_EQ(rows.size(), table.size()) << in.baseRea;
    for (size_t k = 0; k < rows.size(); ++k) {
      wchar_t rea[32];
      wchar_t bps[64];
      FormatBreakpointRow(table[k], rea, bps);
      EXPECT_EQ(rows[k].rea, Narrow(rea));
      EXPECT_EQ(rows[k].bps, Narrow(bps));
      if (k == 0) continue;
      // Each step starts where the previous one ends, rising from its level.
      EXPECT_GT(rows[k].x, rows[k - 1].x);
      EXPECT_EQ(rows[k].x, rows[k - 1].xTo);
      EXPECT_EQ(rows[k].yFrom, rows[k - 1].y);
      EXPECT_EQ(rows[k].y<rows[k - 1].y, table[k].bps> table[k - 1].bps);
    }
    // The last step runs to the end of the scanned range, the axis's right end.
    EXPECT_EQ(rows.back().xTo, 620) << in.baseRea;
  }
}

TEST(Chart, HeadingNamesTheInputsWithTheShortestExactBaseRea) {
  struct Case {
    CalcInputs in;
    const char* heading;
  };
  const Case cases[] = {
      {{0.45, 3, 60, 81}, "Framebreaks for BaseRea 0.45, FiringMode 3, Fps 60, Rea 81"},
      {{0.1 + 0.2, 1, 1, 250},
       "Framebreaks for BaseRea 0.30000000000000004, FiringMode 1, Fps 1, Rea 250"},
      {{1e-310, 1, 1, 1}, "Framebreaks for BaseRea 1e-310, FiringMode 1, Fps 1, Rea 1"},
      {{4.9406564584124654e-324, 1, 1, 1},
       "Framebreaks for BaseRea 5e-324, FiringMode 1, Fps 1, Rea 1"},
      {{DBL_MAX, 1, 1, 1},
       "Framebreaks for BaseRea 1.7976931348623157e+308, FiringMode 1, Fps 1, Rea 1"},
      {{std::numeric_limits<double>::infinity(), 1, 1, 1},
       "Framebreaks for BaseRea inf, FiringMode 1, Fps 1, Rea 1"},
      {{16, 2147483647, 2147483647, 2147483647},
       "Framebreaks for BaseRea 16, FiringMode 2147483647, Fps 2147483647, Rea 2147483647"},
  };
  for (const auto& c : cases) {
    const std::string svg = Render(c.in);
    EXPECT_NE(svg.find(std::string("<title>") + c.heading + "</title>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(std::string(">") + c.heading + "</text>"), std::string::npos);
  }
}

TEST(Chart, ADocumentAnyPageCanEmbed) {
  const std::string svg = Render({DBL_MIN, 2147483647, 2147483647, 2147483647});
  EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=", 0), 0u);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
  for (const char* banned : {"<script", "<style", "style=", " on", "href", "url(", "<!", "<?",
                             "width=\"640\" height=\"400\" viewBox"}) {
    EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
  }
  // A long heading is squeezed into the width rather than cut.
  EXPECT_NE(svg.find("textLength=\"608\""), std::string::npos);
}

}  // namespace
