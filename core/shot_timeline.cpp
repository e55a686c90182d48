#include "shot_timeline.h"

#include <charconv>

#include "breakpoint_table.h"
#include "float_chars.h"

namespace {

// Three decimals by the BPS cells' rule. Every value here is at most fps, so
// 32 characters always hold it.
std::string Fixed3(double value) {
  char text[32];
  const auto written = ToChars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  return written.ec == std::errc{} ? std::string(text, written.ptr) : std::string{};
}

std::string Integer(int32_t value) {
  char text[16];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

ShotTimeline ComputeShotTimeline(const CalcInputs& inputs, int32_t percent) noexcept {
  const QuantisedRate rate = QuantiseAtPercent(inputs, percent);
  if (rate.bps == 0.0) return {percent, false, 0.0, 0, 0.0, 0.0};
  // The integer converted first, then each step rounded on its own, in this
  // order: wait * (1000.0 / fps) differs in the last bit for some inputs.
  const double wait = static_cast<double>(rate.framesPerShot) - rate.framesExact;
  const double waitMs = wait * 1000.0 / static_cast<double>(inputs.fps);
  return {percent, true, rate.framesExact, rate.framesPerShot, wait, waitMs};
}

TimelineTexts FormatShotTimeline(const ShotTimeline& timeline) {
  TimelineTexts texts{Integer(timeline.at), {}, {}, {}, {}};
  if (!timeline.shot) return texts;
  texts.ready = Fixed3(timeline.ready);
  texts.frames = Integer(timeline.frames);
  texts.wait = Fixed3(timeline.wait);
  texts.waitMs = Fixed3(timeline.waitMs);
  return texts;
}

std::string ShotTimelineSentence(const TimelineTexts& texts) {
  if (texts.frames.empty()) {
    return "At " + texts.at +
           " % there is no shot: the interval is not a whole number of frames from 1 to Fps, "
           "so the BPS is 0.000.";
  }
  return "A shot is ready after " + texts.ready + " frames and leaves on frame " + texts.frames +
         ": " + texts.wait + " frames (" + texts.waitMs + " ms) of every shot are spent waiting.";
}
