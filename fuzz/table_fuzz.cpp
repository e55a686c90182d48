// Invariants of the breakpoint table for any valid inputs, with each
// percentage's shots per second recomputed here step by step in the
// documented order: 1 to 100 rows, ascending from 0 %, bps within [0, fps],
// a row exactly where the bps moved more than 1e-6 from the last listed row.
#include <cmath>
#include <cstdlib>

#include "breakpoint_table.h"
#include "fuzz_input.h"

namespace {

constexpr double kTolerance = 1e-6;

// Raw values reach the extremes (subnormal and infinite baseRea, fps near
// 2^31); the other modes stay where the frame counts are small and the rows
// many, the table's everyday range.
CalcInputs PickInputs(FuzzBytes& in) {
  CalcInputs c{};
  const uint8_t mode = in.Byte();
  if (mode % 2 == 0) {
    c.baseRea = std::fabs(in.Value<double>());
    c.firingMode = static_cast<int32_t>(in.Value<uint32_t>() >> 1);
    c.fps = static_cast<int32_t>(in.Value<uint32_t>() >> 1);
  } else {
    const auto seconds = static_cast<double>(in.Value<uint16_t>());
    c.baseRea = seconds / (1 + in.Value<uint16_t>() % 1000);  // up to 3 decimals
    c.firingMode = in.Byte() % 16;
    c.fps = in.Value<uint16_t>() % 500;
  }
  c.reaLimit = static_cast<int32_t>(in.Value<uint32_t>() >> 1);
  if (mode & 2) c.reaLimit %= 128;
  if (c.firingMode < 1) c.firingMode = 1;
  if (c.fps < 1) c.fps = 1;
  if (c.reaLimit < 1) c.reaLimit = 1;
  return c;
}

// One percentage's bps, each step rounded on its own (-ffp-contract=off).
double ExpectedBps(const CalcInputs& c, int32_t i) {
  const double factor = 1.0 - static_cast<double>(i) / 100.0;
  const double reaTime = factor * c.baseRea;
  const double shotsPerSecond = (1.0 / reaTime) * static_cast<double>(c.firingMode);
  const double framesExact = static_cast<double>(c.fps) / shotsPerSecond;
  const double ceiling = std::ceil(framesExact);
  // Not representable as int32 (or NaN): out of range.
  if (!(ceiling >= -2147483648.0 && ceiling <= 2147483647.0)) return 0.0;
  const auto framesPerShot = static_cast<int32_t>(ceiling);
  if (framesPerShot < 1 || framesPerShot > c.fps) return 0.0;
  return static_cast<double>(c.fps) / static_cast<double>(framesPerShot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzBytes in{data, size};
  const CalcInputs c = PickInputs(in);
  if (!(c.baseRea > 0.0)) return 0;  // not an input the field rules accept

  const auto rows = ComputeBreakpointTable(c);
  const int32_t count = c.reaLimit < 100 ? c.reaLimit : 100;
  if (rows.empty() || rows.size() > static_cast<std::size_t>(count)) std::abort();
  if (rows.front().reaPercent != 0) std::abort();

  std::size_t next = 0;  // the next listed row to meet
  double last = -1.0;    // bps of the last listed row
  for (int32_t i = 0; i < count; ++i) {
    const double bps = ExpectedBps(c, i);
    if (!(bps >= 0.0 && bps <= static_cast<double>(c.fps))) std::abort();
    const bool listed = next < rows.size() && rows[next].reaPercent == i;
    if (listed != (std::fabs(last - bps) > kTolerance)) std::abort();
    if (listed) {
      if (std::memcmp(&rows[next].bps, &bps, sizeof bps) != 0) std::abort();
      last = bps;
      ++next;
    }
  }
  // Every row was met in order: ascending, none outside 0 .. count - 1.
  if (next != rows.size()) std::abort();
  return 0;
}
