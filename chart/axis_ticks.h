// Tick values at round numbers for the chart's two axes, kept as integers
// (value = k * step * 10^exponent) so that their texts need no
// floating-point formatting and read the same on every toolchain.
#pragma once

#include <cstdint>
#include <string>

struct BpsTicks {
  int32_t step;  // 1, 2 or 5
  int exponent;  // the step is step * 10^exponent, -1 or more
  int count;     // ticks 0 .. count, the last at or above the largest BPS
};

// The smallest step of 1, 2 or 5 times a power of ten that reaches maxBps in
// at most five steps: 30 -> 0, 10, 20, 30; 6.667 -> 0, 2, 4, 6, 8; 0 -> 0 .. 1.
[[nodiscard]] BpsTicks ChooseBpsTicks(double maxBps) noexcept;

// Tick k's value, the nearest double to the exact round number.
[[nodiscard]] double BpsTickValue(const BpsTicks& ticks, int k) noexcept;

// Tick k's label with as many decimals as the step has: "20", "0.4", "1.0".
void AppendBpsTickText(std::string& out, const BpsTicks& ticks, int k);

// Every how many percent the REA axis, 0 .. end, has a labelled tick:
// the smallest of 1, 2, 5 and 10 giving at most ten intervals.
[[nodiscard]] int32_t ChooseReaTickStep(int32_t end) noexcept;
