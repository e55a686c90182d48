// The shot timeline: the table's own steps in their order, the BPS rule for
// its texts, and nothing where there is no shot.
#include "shot_timeline.h"

#include <gtest/gtest.h>

#include <limits>

#include "table_text.h"

namespace {

struct Case {
  CalcInputs in;
  int32_t at;
  TimelineTexts expected;  // at, ready, frames, wait, waitMs
};

void ExpectTexts(const Case& c) {
  const TimelineTexts t = FormatShotTimeline(ComputeShotTimeline(c.in, c.at));
  EXPECT_EQ(t.at, c.expected.at);
  EXPECT_EQ(t.ready, c.expected.ready) << c.in.baseRea << " at " << c.at;
  EXPECT_EQ(t.frames, c.expected.frames) << c.in.baseRea << " at " << c.at;
  EXPECT_EQ(t.wait, c.expected.wait) << c.in.baseRea << " at " << c.at;
  EXPECT_EQ(t.waitMs, c.expected.waitMs) << c.in.baseRea << " at " << c.at;
}

constexpr CalcInputs kDefaults{0.45, 3, 60, 81};

TEST(ShotTimeline, DefaultInputsAroundTheFramebreaks) {
  const Case cases[] = {
      {kDefaults, 0, {"0", "9.000", "9", "0.000", "0.000"}},  // exactly 9.0, not 9 + 1 ulp
      {kDefaults, 12, {"12", "7.920", "8", "0.080", "1.333"}},
      {kDefaults, 37, {"37", "5.670", "6", "0.330", "5.500"}},
      {kDefaults, 44, {"44", "5.040", "6", "0.960", "16.000"}},
      {kDefaults, 45, {"45", "4.950", "5", "0.050", "0.833"}},
      {{0.45, 3, 60, 100}, 89, {"89", "0.990", "1", "0.010", "0.167"}},
      {{0.9999999999, 1, 2147483647, 1},
       0,
       {"0", "2147483646.785", "2147483647", "0.215", "0.000"}},
  };
  for (const auto& c : cases) ExpectTexts(c);
}

// Inputs on which a rewritten step changes a text; the other result in each
// comment is what the rewriting would give.
TEST(ShotTimeline, EachStepInItsOwnOrder) {
  const Case cases[] = {
      // wait * (1000.0 / fps): 9.742 and 1.402
      {{0.373, 4, 100, 100}, 89, {"89", "1.026", "2", "0.974", "9.743"}},
      {{0.753, 4, 100, 100}, 37, {"37", "11.860", "12", "0.140", "1.403"}},
      // framesExact as fps * reaTime / firingMode: 8.726
      {{1.385, 5, 90, 100}, 65, {"65", "8.725", "9", "0.275", "3.050"}},
      // shotsPerSecond as firingMode / reaTime: 25.069 and wait 0.931
      {{1.857, 5, 75, 100}, 10, {"10", "25.070", "26", "0.930", "12.407"}},
  };
  for (const auto& c : cases) ExpectTexts(c);
}

// Exactly halfway between two texts: the even last digit, never away from 0.
TEST(ShotTimeline, TiesGoToTheEvenDigit) {
  const Case cases[] = {
      {{1.4375, 2, 100, 100}, 10, {"10", "64.688", "65", "0.312", "3.125"}},      // 0.3125
      {{0.53125, 1, 200, 100}, 23, {"23", "81.812", "82", "0.188", "0.938"}},     // 81.8125
      {{2.215625, 1, 200, 100}, 70, {"70", "132.938", "133", "0.062", "0.312"}},  // 0.0625
  };
  for (const auto& c : cases) ExpectTexts(c);
}

TEST(ShotTimeline, NoShotLeavesAllButThePercentageEmpty) {
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {{100, 1, 60, 100}, 0, {"0", "", "", "", ""}},     // more frames than fps
      {{inf, 1, 60, 100}, 3, {"3", "", "", "", ""}},     // an infinite interval
      {{1e-310, 3, 60, 100}, 5, {"5", "", "", "", ""}},  // 0 frames
  };
  for (const auto& c : cases) ExpectTexts(c);
  EXPECT_FALSE(ComputeShotTimeline({100, 1, 60, 100}, 0).shot);
}

TEST(ShotTimeline, SentenceAndRecordCarryTheTexts) {
  const TimelineTexts shot = FormatShotTimeline(ComputeShotTimeline(kDefaults, 37));
  const TimelineTexts none = FormatShotTimeline(ComputeShotTimeline({100, 1, 60, 100}, 7));
  EXPECT_EQ(ShotTimelineSentence(shot),
            "A shot is ready after 5.670 frames and leaves on frame 6: 0.330 frames (5.500 ms) "
            "of every shot are spent waiting.");
  EXPECT_EQ(ShotTimelineSentence(none),
            "At 7 % there is no shot: the interval is not a whole number of frames from 1 to "
            "Fps, so the BPS is 0.000.");
  EXPECT_EQ(WriteTimelineRecord(shot, kTabTable),
            "AT\tREADY\tFRAMES\tWAIT\tWAIT_MS\n37\t5.670\t6\t0.330\t5.500\n");
  EXPECT_EQ(WriteTimelineRecord(none, kCsvTable), "AT,READY,FRAMES,WAIT,WAIT_MS\r\n7,,,,\r\n");
}

}  // namespace
