// The shot timeline: the table's own steps in their order, the BPS rule for
// its texts, and nothing where there is no shot.
#include "shot_timeline.h"

#include <gtest/gtest.h>

#include "table_text.h"

namespace {

struct Case {
  CalcInputs in;
  int32_t at;
  const char* record;  // the TSV record's second line
};

void ExpectRecords(std::initializer_list<Case> cases) {
  for (const auto& c : cases) {
    const auto texts = FormatShotTimeline(ComputeShotTimeline(c.in, c.at));
    EXPECT_EQ(WriteDelimited(TimelineTable(texts), kTabTable),
              std::string("AT\tREADY\tFRAMES\tWAIT\tWAIT_MS\n") + c.record + "\n");
  }
}

constexpr CalcInputs kDefaults{0.45, 3, 60, 81};

TEST(ShotTimeline, DefaultInputsAroundTheFramebreaks) {
  ExpectRecords({{kDefaults, 0, "0\t9.000\t9\t0.000\t0.000"},  // exactly 9.0
                 {kDefaults, 12, "12\t7.920\t8\t0.080\t1.333"},
                 {kDefaults, 37, "37\t5.670\t6\t0.330\t5.500"},
                 {kDefaults, 44, "44\t5.040\t6\t0.960\t16.000"},
                 {kDefaults, 45, "45\t4.950\t5\t0.050\t0.833"}});
  EXPECT_EQ(ShotTimelineSentence(FormatShotTimeline(ComputeShotTimeline(kDefaults, 37))),
            "A shot is ready after 5.670 frames and leaves on frame 6: 0.330 frames (5.500 ms) "
            "of every shot are spent waiting.");
}

// A rewritten step changes a text here; the comment gives the rewriting's.
TEST(ShotTimeline, EachStepInItsOwnOrder) {
  ExpectRecords(
      {{{0.373, 4, 100, 100}, 89, "89\t1.026\t2\t0.974\t9.743"},      // wait*(1000/fps): 9.742
       {{1.385, 5, 90, 100}, 65, "65\t8.725\t9\t0.275\t3.050"},       // fps*reaTime/mode: 8.726
       {{1.857, 5, 75, 100}, 10, "10\t25.070\t26\t0.930\t12.407"}});  // mode/reaTime: 0.931
}

// Exactly halfway: the even last digit, never away from 0.
TEST(ShotTimeline, TiesGoToTheEvenDigit) {
  ExpectRecords({{{1.4375, 2, 100, 100}, 10, "10\t64.688\t65\t0.312\t3.125"},        // 0.3125
                 {{2.215625, 1, 200, 100}, 70, "70\t132.938\t133\t0.062\t0.312"}});  // 0.0625
}

TEST(ShotTimeline, NoShotLeavesAllButThePercentageEmpty) {
  ExpectRecords({{{100, 1, 60, 100}, 0, "0\t\t\t\t"},       // more frames than fps
                 {{1e-310, 3, 60, 100}, 5, "5\t\t\t\t"}});  // 0 frames
  const auto none = FormatShotTimeline(ComputeShotTimeline({100, 1, 60, 100}, 7));
  EXPECT_EQ(WriteDelimited(TimelineTable(none), kCsvTable),
            "AT,READY,FRAMES,WAIT,WAIT_MS\r\n7,,,,\r\n");
  EXPECT_EQ(ShotTimelineSentence(none),
            "At 7 % there is no shot: the interval is not a whole number of frames from 1 to "
            "Fps, so the BPS is 0.000.");
}

}  // namespace
