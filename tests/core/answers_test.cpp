// The player's answers: frames per shot, the REA % they stand at, and frame
// rates side by side, all read off the one table computation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "answer_inputs.h"
#include "comparison.h"
#include "format_row.h"

namespace {

std::vector<std::string> FramesTexts(const CalcInputs& in) {
  std::vector<std::string> texts;
  for (const auto& row : ComputeBreakpointTable(in))
    texts.push_back(FormatRowTexts(in, row).frames);
  return texts;
}

TEST(FramesPerShot, OfEachRowAndEmptyWhenOutOfRange) {
  struct Case {
    CalcInputs in;
    std::vector<std::string> frames;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {{0.45, 3, 60, 81}, {"9", "8", "7", "6", "5", "4", "3", "2"}},
      {{0.45, 3, 60, 250}, {"9", "8", "7", "6", "5", "4", "3", "2", "1"}},
      {{0.01, 3, 30, 5}, {"1"}},           // below one frame: one frame
      {{0.92, 1, 17, 1}, {"16"}},          // bps 17/16
      {{100, 1, 60, 100}, {""}},           // longer than fps frames: bps 0
      {{inf, 1, 60, 100}, {""}},           // infinite interval
      {{1e-310, 3, 60, 100}, {""}},        // 1 / reaTime overflows: 0 frames
      {{2, 1, 60, 52}, {"", "60", "59"}},  // out of range until 50 %
  };
  for (const auto& c : cases) EXPECT_EQ(FramesTexts(c.in), c.frames) << c.in.baseRea;
}

TEST(FramesPerShot, AgreeWithEveryRowsBps) {
  // fps / frames must be the row's bps exactly: the frames come from the
  // same steps as the table, never from a copy of them.
  for (const CalcInputs in : {CalcInputs{0.1, 1, 120, 100}, CalcInputs{0.1, 3, 120, 26},
                              CalcInputs{0.5, 1, 120, 100}, CalcInputs{3.7, 7, 144, 100}}) {
    for (const auto& row : ComputeBreakpointTable(in)) {
      const QuantisedRate rate = QuantiseAtPercent(in, row.reaPercent);
      ASSERT_NE(rate.framesPerShot, 0);
      EXPECT_EQ(static_cast<double>(in.fps) / rate.framesPerShot, row.bps) << row.reaPercent;
    }
  }
}

TEST(RowInEffect, IsTheLastRowAtOrBeforeThePercentage) {
  const auto rows = ComputeBreakpointTable({0.45, 3, 60, 81});  // 0 12 23 34 45 56 67 78
  const std::pair<int32_t, std::size_t> cases[] = {{0, 0},  {11, 0}, {12, 1}, {37, 3},
                                                   {44, 3}, {45, 4}, {77, 6}, {80, 7}};
  for (const auto& [percent, index] : cases)
    EXPECT_EQ(RowInEffect(rows, percent), index) << percent;
}

std::wstring Message(const AnswerInputError& error) { return error.message; }

TEST(StandingPercent, IntegerRuleThenTheScannedRange) {
  struct Case {
    const wchar_t* text;
    int32_t reaLimit;
    int32_t percent;  // -1: rejected
  };
  const Case cases[] = {
      {L"37", 81, 37},
      {L"0", 81, 0},
      {L"80", 81, 80},
      {L"81", 81, -1},
      {L" 7", 81, 7},
      {L"007", 81, 7},
      {L"+5", 81, 5},
      {L"-0", 81, 0},
      {L"-1", 81, -1},
      {L"", 81, -1},
      {L" ", 81, -1},
      {L"5 ", 81, -1},
      {L"3.0", 81, -1},
      {L"1e1", 81, -1},
      {L"0x10", 81, -1},
      {L"\uFF13\uFF17", 81, 37},
      {L"99", 250, 99},
      {L"100", 250, -1},
      {L"0", 1, 0},
      {L"1", 1, -1},
      {L"99999999999", 100, -1},  // saturates to 2147483647, then out of range
  };
  for (const auto& c : cases) {
    const CalcInputs in{0.45, 3, 60, c.reaLimit};
    const auto result = ParseStandingPercent(c.text, in);
    if (c.percent >= 0) {
      ASSERT_TRUE(std::holds_alternative<int32_t>(result)) << c.text;
      EXPECT_EQ(std::get<int32_t>(result), c.percent);
    } else {
      ASSERT_TRUE(std::holds_alternative<AnswerInputError>(result)) << c.text;
      const int32_t largest = (c.reaLimit < 100 ? c.reaLimit : 100) - 1;
      EXPECT_EQ(Message(std::get<AnswerInputError>(result)),
                L"Enter your REA % from 0 to " + std::to_wstring(largest));
    }
  }
}

TEST(FrameRateList, SplitAtCommasAndWhiteSpaceEachByTheFpsRule) {
  struct Case {
    const wchar_t* text;
    std::vector<int32_t> fps;  // empty: rejected
  };
  const Case cases[] = {
      {L"120, 144", {120, 144}},
      {L"120 144", {120, 144}},
      {L"120,,144", {120, 144}},
      {L",120,", {120}},
      {L"\t30\u3000144\u00A0", {30, 144}},
      {L"60,60", {60, 60}},  // the comparison drops repeats, not the list
      {L"1,2,3,4", {1, 2, 3, 4}},
      {L"99999999999", {2147483647}},
      {L"\uFF11\uFF12\uFF10", {120}},
      {L"1,2,3,4,5", {}},
      {L"", {}},
      {L" , ", {}},
      {L"6e1", {}},
      {L"60;120", {}},
      {L"0", {}},
      {L"120,-1", {}},
      {L"120.0", {}},
      {L"+", {}},
  };
  for (const auto& c : cases) {
    const auto result = ParseFrameRateList(c.text);
    if (c.fps.empty()) {
      ASSERT_TRUE(std::holds_alternative<AnswerInputError>(result)) << c.text;
      EXPECT_EQ(Message(std::get<AnswerInputError>(result)),
                L"Enter 1 to 4 frame rates > 0 to compare");
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<FrameRateList>(result)) << c.text;
    const auto& list = std::get<FrameRateList>(result);
    EXPECT_EQ(std::vector<int32_t>(list.fps, list.fps + list.count), c.fps) << c.text;
  }
}

TEST(Comparison, SeriesInOrderGivenWithoutRepeats) {
  struct Case {
    FrameRateList others;
    std::vector<int32_t> series;
  };
  const Case cases[] = {
      {{{120, 144}, 2}, {60, 120, 144}},
      {{{144, 120}, 2}, {60, 144, 120}},
      {{{60}, 1}, {60}},
      {{{120, 60, 120, 30}, 4}, {60, 120, 30}},
  };
  const CalcInputs in{0.45, 3, 60, 81};
  for (const auto& c : cases) {
    const Comparison comparison = CompareFrameRates(in, c.others);
    std::vector<int32_t> fps;
    for (const auto& series : comparison.series) {
      fps.push_back(series.fps);
      CalcInputs at = in;
      at.fps = series.fps;
      const auto table = ComputeBreakpointTable(at);
      ASSERT_EQ(series.rows.size(), table.size());
      for (std::size_t k = 0; k < table.size(); ++k) {
        EXPECT_EQ(series.rows[k].reaPercent, table[k].reaPercent);
        EXPECT_EQ(series.rows[k].bps, table[k].bps);
      }
    }
    EXPECT_EQ(fps, c.series);
  }
}

TEST(Comparison, RowsAreTheUnionOfEverySeriesPercentages) {
  const CalcInputs in{0.45, 3, 60, 81};
  const Comparison comparison = CompareFrameRates(in, {{120, 144}, 2});
  std::vector<int32_t> expected;
  for (int32_t p = 0; p < 81; ++p) {
    for (const auto& series : comparison.series) {
      if (series.rows[RowInEffect(series.rows, p)].reaPercent == p) {
        expected.push_back(p);
        break;
      }
    }
  }
  EXPECT_EQ(comparison.percents, expected);
  // The surprise players meet: at 0 %, 144 fps fires slower than 60 fps.
  CalcInputs at144 = in;
  at144.fps = 144;
  EXPECT_EQ(FormatRowTexts(at144, comparison.series[2].rows[0]).bps, "6.545");
  EXPECT_EQ(FormatRowTexts(in, comparison.series[0].rows[0]).bps, "6.667");
}

}  // namespace
