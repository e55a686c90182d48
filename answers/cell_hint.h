// A short hint after a failing cell's message, where the cell has a form
// that spreadsheets write, so a player sees what to change:
//   "37%"    -> "without the % sign"
//   "60 "    -> "without the space after the number"
//   "1,000"  -> "without the thousands separator"   (fps, rea, at, firingMode)
//   "1.000"  -> "a whole number is needed, without separators"
//   "60.00"  -> "a whole number is needed"
//   "120.5"  -> "whole numbers are needed"          (compare)
// Empty where there is none. The rule's message itself never changes.
#pragma once

#include <string>
#include <string_view>

#include "setup.h"

[[nodiscard]] std::string CellHint(SetupInput input, std::string_view cell);
