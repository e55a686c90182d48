// Round tick values and their texts.
#include "axis_ticks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Labels(const BpsTicks& ticks) {
  std::string out;
  for (int k = 0; k <= ticks.count; ++k) {
    if (k > 0) out += ' ';
    AppendBpsTickText(out, ticks, k);
  }
  return out;
}

TEST(BpsTicks, SmallestRoundStepReachingTheTop) {
  struct Case {
    double maxBps;
    const char* labels;
  };
  const Case cases[] = {
      {0.0, "0.0 0.2 0.4 0.6 0.8 1.0"},  // a table of BPS 0 still gets an axis
      {1.0, "0.0 0.2 0.4 0.6 0.8 1.0"},
      {1.5, "0.0 0.5 1.0 1.5"},
      {60.0 / 9, "0 2 4 6 8"},
      {30.0, "0 10 20 30"},
      {30.000000000000004, "0 10 20 30 40"},  // just above a tick: one more
      {60.0, "0 20 40 60"},
      {120.0, "0 50 100 150"},
      {2147483647.0, "0 500000000 1000000000 1500000000 2000000000 2500000000"},
  };
  for (const auto& c : cases) {
    const BpsTicks ticks = ChooseBpsTicks(c.maxBps);
    EXPECT_EQ(Labels(ticks), c.labels) << c.maxBps;
    EXPECT_GE(BpsTickValue(ticks, ticks.count), c.maxBps);
  }
}

TEST(BpsTicks, ValuesAreTheNearestDoubles) {
  EXPECT_EQ(BpsTickValue({2, -1, 5}, 3), 0.6);
  EXPECT_EQ(BpsTickValue({5, 8, 5}, 5), 2.5e9);
}

TEST(ReaTicks, AtMostTenIntervals) {
  const std::pair<int32_t, int32_t> cases[] = {{1, 1},  {10, 1},  {11, 2},  {20, 2}, {21, 5},
                                               {50, 5}, {51, 10}, {80, 10}, {99, 10}};
  for (const auto& [end, step] : cases) EXPECT_EQ(ChooseReaTickStep(end), step) << end;
}

}  // namespace
