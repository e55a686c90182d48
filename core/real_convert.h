// Turns a scanned real into the double nearest to it (ties to even), keeping
// subnormals, with overflow to infinity and underflow to zero of its sign.
#pragma once

#include "number_scan.h"

[[nodiscard]] double ConvertReal(const ScannedReal& scanned) noexcept;
