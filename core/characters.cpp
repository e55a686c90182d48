#include "characters.h"

#include <cstdint>

namespace {

// wchar_t is 16 bits on Windows and 32 on Linux; compare as code points.
constexpr uint32_t CodePoint(wchar_t c) { return static_cast<uint32_t>(c); }

constexpr uint32_t kDigitZeros[] = {0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66,
                                    0x0AE6, 0x0B66, 0x0C66, 0x0CE6, 0x0D66, 0x0E50,
                                    0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};

}  // namespace

bool IsFieldWhiteSpace(wchar_t c) noexcept {
  const uint32_t u = CodePoint(c);
  return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x85 || u == 0xA0 || u == 0x1680 ||
         (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 || u == 0x202F || u == 0x205F ||
         u == 0x3000;
}

int DigitValue(wchar_t c) noexcept {
  const uint32_t u = CodePoint(c);
  for (uint32_t zero : kDigitZeros) {
    if (u >= zero && u <= zero + 9) return static_cast<int>(u - zero);
  }
  return -1;
}
