// The chart's answers: the marker at the player's REA %, one series per
// compared frame rate with its legend, and the plain chart left as it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "comparison.h"
#include "format_row.h"
#include "svg_chart.h"
#include "svg_reader.h"

namespace {

// FNV-1a, 64 bits, as in same_results_test.cpp.
uint64_t Fnv(const std::string& bytes) {
  uint64_t value = 0xCBF29CE484222325;
  for (unsigned char c : bytes) value = (value ^ c) * 0x100000001B3;
  return value;
}

const CalcInputs kDefaults{0.45, 3, 60, 81};

TEST(ChartAnswers, NoAnswerLeavesTheChartAsItWas) {
  const auto rows = ComputeBreakpointTable(kDefaults);
  // docs/chart.svg, the output of `reacalc-cli --svg 0.45 3 60 81`: 3070 bytes.
  EXPECT_EQ(Fnv(RenderChartSvg(kDefaults, rows)), 12118006832375318411u);
  for (const CalcInputs& in : {kDefaults, CalcInputs{0.001, 1, 2147483647, 100}}) {
    const auto table = ComputeBreakpointTable(in);
    EXPECT_EQ(RenderChartSvg(in, table, {}), RenderChartSvg(in, table));
  }
}

TEST(ChartAnswers, MarkerLineAndLabelStayInsideTheDrawing) {
  struct Case {
    CalcInputs in;
    int32_t percent;
    const char* path;  // the line at x(P)
    const char* labelX;
    bool labelLeft;  // near the right end the label goes left of the line
  };
  const Case cases[] = {
      {kDefaults, 37, "M334.05 38V340", "338.05", false},
      {kDefaults, 0, "M88 38V340", "92", false},
      {kDefaults, 80, "M620 38V340", "616", true},
      {{0.45, 3, 60, 250}, 99, "M620 38V340", "616", true},
      {{0.45, 3, 60, 1}, 0, "M88 38V340", "92", false},
  };
  for (const auto& c : cases) {
    const auto rows = ComputeBreakpointTable(c.in);
    const std::string svg = RenderChartSvg(c.in, rows, {c.percent, {}});
    const Element root = ParseSvg(svg);
    const auto markers = ByClass(root, "at");
    ASSERT_EQ(markers.size(), 1u) << c.percent;
    const Element& at = *markers[0];
    const std::string label = std::to_string(c.percent) + " %";
    EXPECT_EQ(Attr(at, "data-rea"), std::to_string(c.percent));
    ASSERT_EQ(at.children.size(), 2u);
    EXPECT_EQ(Attr(at.children[0], "d"), c.path);
    EXPECT_EQ(at.children[1].text, label);
    EXPECT_EQ(Attr(at.children[1], "x"), c.labelX);
    EXPECT_EQ(at.children[1].attrs.count("text-anchor"), c.labelLeft ? 1u : 0u);
    // The marker adds itself and changes nothing else.
    const std::size_t from = svg.find("<g class=\"at\"");
    std::string without = svg;
    without.erase(from, svg.find("</g>\n", from) + 5 - from);
    EXPECT_EQ(without, RenderChartSvg(c.in, rows)) << c.percent;
  }
}

TEST(ChartAnswers, OneSeriesPerFrameRateWithItsOwnTableAndLegend) {
  struct Case {
    CalcInputs in;
    FrameRateList others;
    std::vector<int32_t> fps;  // series order, duplicates dropped
    int legendLines;
  };
  const Case cases[] = {
      {kDefaults, {{60, 120, 144}, 3}, {60, 120, 144}, 1},
      {kDefaults, {{60, 60, 120, 60}, 4}, {60, 120}, 1},
      {kDefaults, {{144, 120, 144}, 3}, {60, 144, 120}, 1},
      // Another series above the main one: the BPS axis must reach it.
      {{0.45, 3, 30, 100}, {{240, 1}, 2}, {30, 240, 1}, 1},
      {{0.001, 1, 2147483647, 100},
       {{2147483646, 1000000000, 1999999999, 1234567890}, 4},
       {2147483647, 2147483646, 1000000000, 1999999999, 1234567890},
       2},
  };
  for (const auto& c : cases) {
    const Comparison comparison = CompareFrameRates(c.in, c.others);
    const std::string svg =
        RenderChartSvg(c.in, comparison.series[0].rows, {-1, comparison.series});
    const Element root = ParseSvg(svg);
    const auto series = ByClass(root, "series");
    const auto legend = ByClass(root, "legend-item");
    ASSERT_EQ(series.size(), c.fps.size());
    ASSERT_EQ(legend.size(), c.fps.size());
    EXPECT_TRUE(ByClass(root, "steps").empty());
    EXPECT_EQ(Attr(root, "viewBox"), "0 0 640 " + std::to_string(400 + 20 * c.legendLines));
    std::set<std::string> looks;
    for (std::size_t s = 0; s < series.size(); ++s) {
      const Element& g = *series[s];
      const std::string index = std::to_string(s);
      EXPECT_EQ(Attr(g, "data-fps"), std::to_string(c.fps[s]));
      EXPECT_EQ(Attr(g, "data-series"), index);
      EXPECT_EQ(Attr(*legend[s], "data-series"), index);
      EXPECT_EQ(Attr(*legend[s], "color"), Attr(g, "color"));
      EXPECT_EQ(legend[s]->children.back().text, std::to_string(c.fps[s]) + " fps");
      // Colour and dash pattern each differ from every other series.
      const auto dashes = g.attrs.find("stroke-dasharray");
      EXPECT_TRUE(looks.insert(Attr(g, "color")).second);
      EXPECT_TRUE(looks.insert(dashes == g.attrs.end() ? "solid" : dashes->second).second);

      CalcInputs at = c.in;
      at.fps = c.fps[s];
      const auto table = ComputeBreakpointTable(at);
      ASSERT_EQ(g.children.size(), table.size()) << c.fps[s];
      for (std::size_t k = 0; k < table.size(); ++k) {
        const Element& row = g.children[k];
        const RowTexts texts = FormatRowTexts(at, table[k]);
        EXPECT_EQ(Attr(row, "data-rea"), texts.rea);
        EXPECT_EQ(Attr(row, "data-bps"), texts.bps);
        EXPECT_EQ(row.children[0].text, texts.rea + " %: " + texts.bps + " BPS");
        // Every level inside the plot, 52 .. 340, even the highest series'.
        const std::string d = Attr(row.children[1], "d");
        const double y = std::stod(d.substr(d.find_last_of(" V") + 1));
        EXPECT_TRUE(y >= 52 && y <= 340) << d;
        // The last step runs to the axis's right end, as in the single chart.
        if (k + 1 == table.size()) {
          EXPECT_EQ(d.substr(d.rfind('H')), "H620");
        }
      }
    }
  }
}

TEST(ChartAnswers, EveryVariantIsAWellFormedDocumentAnyPageCanEmbed) {
  const CalcInputs in{0.45, 3, 60, 81};
  const Comparison comparison = CompareFrameRates(in, {{120, 144, 30, 240}, 4});
  const auto rows = ComputeBreakpointTable(in);
  const ChartAnswers variants[] = {
      {-1, {}}, {5, {}}, {-1, comparison.series}, {80, comparison.series}};
  for (const auto& answers : variants) {
    const std::string svg = RenderChartSvg(in, rows, answers);
    const Element root = ParseSvg(svg);
    EXPECT_EQ(root.name, "svg");
    for (const char* banned :
         {"<script", "<style", "style=", " on", "href", "url(", "<use", "<!"}) {
      EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
    }
  }
}

}  // namespace
