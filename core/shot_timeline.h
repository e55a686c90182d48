// The shot timeline at one REA %: why the table steps. A shot is ready after
// framesExact frames, but the client fires only on whole frames, so it leaves
// on the next one and the rest of that frame is spent waiting:
//   defaults (0.45, 3, 60) at 37 %: ready 5.670, frames 6, wait 0.330, 5.500 ms
//                          at 44 %: ready 5.040, frames 6, wait 0.960, 16.000 ms
//                          at 45 %: ready 4.950, frames 5, wait 0.050, 0.833 ms
// The numbers come from QuantiseAtPercent, the table's own steps, so the
// timeline can never disagree with the row in effect.
#pragma once

#include <cstdint>
#include <string>

#include "calc_inputs.h"

struct ShotTimeline {
  int32_t at;      // the REA %
  bool shot;       // false where the bps is 0.0: no whole number of frames from 1 to fps
  double ready;    // framesExact: the frames a shot needs
  int32_t frames;  // framesPerShot: the frame it leaves on
  double wait;     // double(frames) - ready
  double waitMs;   // wait * 1000.0 / fps, the multiplication first
};

// Precondition: 0 <= percent < ScannedPercentages(inputs). Where there is no
// shot, ready, frames, wait and waitMs are 0.
[[nodiscard]] ShotTimeline ComputeShotTimeline(const CalcInputs& inputs, int32_t percent) noexcept;

// The record's texts, for every face: at as "%d" ("37"); ready, wait and
// waitMs in three decimals from the exact binary value, ties to even, as the
// BPS cells ("5.670", "0.330", "5.500"); frames as "%d" ("6"). Where there is
// no shot, all but `at` are empty, as the FRAMES cell is.
struct TimelineTexts {
  std::string at, ready, frames, wait, waitMs;
};
[[nodiscard]] TimelineTexts FormatShotTimeline(const ShotTimeline& timeline);

// One sentence a player reads at a glance, with the record's texts:
//   "A shot is ready after 5.670 frames and leaves on frame 6: 0.330 frames
//    (5.500 ms) of every shot are spent waiting."
// and where there is no shot:
//   "At 99 % there is no shot: the interval is not a whole number of frames
//    from 1 to Fps, so the BPS is 0.000."
[[nodiscard]] std::string ShotTimelineSentence(const TimelineTexts& texts);
