// The breakpoint table: rows, their frames and the order of the arithmetic.
#include "breakpoint_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

struct Expected {
  int32_t reaPercent;
  int32_t fps;
  int32_t frames;  // 0: bps 0.0
};

double Bps(const Expected& e) {
  return e.frames == 0 ? 0.0 : static_cast<double>(e.fps) / e.frames;
}

void ExpectTable(const CalcInputs& in, const std::vector<Expected>& expected) {
  const auto rows = ComputeBreakpointTable(in);
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(rows[k].reaPercent, expected[k].reaPercent) << "row " << k;
    EXPECT_EQ(rows[k].bps, Bps(expected[k])) << "row " << k;
  }
}

// The row at a given percentage, if listed.
const BreakpointRow* RowAt(const std::vector<BreakpointRow>& rows, int32_t percent) {
  for (const auto& r : rows)
    if (r.reaPercent == percent) return &r;
  return nullptr;
}

TEST(BreakpointTable, DefaultInputsGiveEightRows) {
  // 0 % is 9 frames, not 10: framesExact comes out as exactly 9.0.
  ExpectTable({0.45, 3, 60, 81}, {{0, 60, 9},
                                  {12, 60, 8},
                                  {23, 60, 7},
                                  {34, 60, 6},
                                  {45, 60, 5},
                                  {56, 60, 4},
                                  {67, 60, 3},
                                  {78, 60, 2}});
}

TEST(BreakpointTable, ScansAtMostOneHundredPercentages) {
  ExpectTable({0.45, 3, 60, 250}, {{0, 60, 9},
                                   {12, 60, 8},
                                   {23, 60, 7},
                                   {34, 60, 6},
                                   {45, 60, 5},
                                   {56, 60, 4},
                                   {67, 60, 3},
                                   {78, 60, 2},
                                   {89, 60, 1}});
  ExpectTable({0.45, 3, 60, 2147483647}, {{0, 60, 9},
                                          {12, 60, 8},
                                          {23, 60, 7},
                                          {34, 60, 6},
                                          {45, 60, 5},
                                          {56, 60, 4},
                                          {67, 60, 3},
                                          {78, 60, 2},
                                          {89, 60, 1}});
  // The limit itself is not scanned: 78 is the eighth row only from 79 on.
  EXPECT_EQ(ComputeBreakpointTable({0.45, 3, 60, 78}).size(), 7u);
  EXPECT_EQ(ComputeBreakpointTable({0.45, 3, 60, 79}).size(), 8u);
}

// Inputs on which the usual rewritings of the arithmetic give other tables.
TEST(BreakpointTable, OrderOfOperationsMatters) {
  const auto a = ComputeBreakpointTable({0.1, 1, 120, 100});
  ASSERT_NE(RowAt(a, 25), nullptr);  // fps * reaTime / firingMode moves it to 26
  EXPECT_EQ(RowAt(a, 25)->bps, 120.0 / 9);
  EXPECT_EQ(RowAt(a, 26), nullptr);

  // firingMode / reaTime, or fps * reaTime / firingMode, lose the second row.
  ExpectTable({0.1, 3, 120, 26}, {{0, 120, 4}, {25, 120, 3}});

  const auto b = ComputeBreakpointTable({0.5, 1, 120, 100});
  ASSERT_NE(RowAt(b, 96), nullptr);  // (100 - i) / 100 would put it at 95
  EXPECT_EQ(RowAt(b, 96)->bps, 40.0);
  EXPECT_EQ(RowAt(b, 95), nullptr);
  ASSERT_NE(RowAt(b, 70), nullptr);
  EXPECT_EQ(RowAt(b, 70)->bps, 120.0 / 18);
}

TEST(BreakpointTable, OutOfRangeFrameCounts) {
  const double inf = std::numeric_limits<double>::infinity();
  const double tiny = std::numeric_limits<double>::denorm_min();
  ExpectTable({0.01, 3, 30, 5}, {{0, 30, 1}});    // under one frame: one frame
  ExpectTable({100, 1, 60, 100}, {{0, 60, 0}});   // longer than fps frames
  ExpectTable({inf, 1, 60, 100}, {{0, 60, 0}});   // framesExact is +infinity
  ExpectTable({tiny, 1, 60, 100}, {{0, 60, 0}});  // reaTime 0: zero frames
  ExpectTable({1e-300, 2147483647, 60, 3}, {{0, 60, 0}});
  ExpectTable({1e300, 1, 2147483647, 1}, {{0, 2147483647, 0}});  // ceiling beyond int32
  ExpectTable({1.0, 1, 2147483647, 1}, {{0, 2147483647, 2147483647}});
}

TEST(BreakpointTable, ReaLimitOneScansOnlyZero) {
  for (const CalcInputs& in : {CalcInputs{0.45, 3, 60, 1}, CalcInputs{1e-310, 7, 1, 1},
                               CalcInputs{123.0, 2147483647, 2147483647, 1}}) {
    const auto rows = ComputeBreakpointTable(in);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].reaPercent, 0);
  }
}

TEST(BreakpointTable, ComparesWithTheLastListedRow) {
  // fps so large that neighbouring frame counts give bps within 1e-6 of each
  // other: drift accumulates against the last listed row until it exceeds
  // 1e-6, so rows are listed although each step alone is below the tolerance.
  const auto rows = ComputeBreakpointTable({1.0, 1, 2147483647, 100});
  ASSERT_GT(rows.size(), 1u);
  for (size_t k = 1; k < rows.size(); ++k) {
    EXPECT_GT(rows[k].reaPercent, rows[k - 1].reaPercent);
    EXPECT_GT(rows[k].bps - rows[k - 1].bps, 1e-6);
  }
}

}  // namespace
