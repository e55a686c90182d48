// The character classes the field rules share. Every code unit is compared
// whole: a character outside these sets is never narrowed to ASCII
// (U+0030 + 0x10000 is not a '0').
//
// Defined here, inline: the scanners call them once per character, and as
// out-of-line calls they cost the integer rules about half their time.
#pragma once

#include <cstdint>

namespace characters_detail {

// wchar_t is 16 bits on Windows and 32 on Linux; compare as code points.
constexpr uint32_t CodePoint(wchar_t c) { return static_cast<uint32_t>(c); }

// Ascending, so the search can stop at the first run that starts above the character.
inline constexpr uint32_t kDigitZeros[] = {0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66,
                                           0x0AE6, 0x0B66, 0x0C66, 0x0CE6, 0x0D66, 0x0E50,
                                           0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};

}  // namespace characters_detail

// U+0009..U+000D, U+0020, U+0085, U+00A0, and from U+0100 up Unicode's
// White_Space: U+1680, U+2000..U+200A, U+2028, U+2029, U+202F, U+205F, U+3000.
[[nodiscard]] inline bool IsFieldWhiteSpace(wchar_t c) noexcept {
  const uint32_t u = characters_detail::CodePoint(c);
  return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x85 || u == 0xA0 || u == 0x1680 ||
         (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 || u == 0x202F || u == 0x205F ||
         u == 0x3000;
}

// 0..9 for '0'..'9' and for the ten characters from each of U+0660, U+06F0,
// U+0966, U+09E6, U+0A66, U+0AE6, U+0B66, U+0C66, U+0CE6, U+0D66, U+0E50,
// U+0ED0, U+0F20, U+1040, U+17E0, U+1810, U+FF10; -1 for anything else
// (Tamil U+0BE6.. among them).
[[nodiscard]] inline int DigitValue(wchar_t c) noexcept {
  const uint32_t u = characters_detail::CodePoint(c);
  // ASCII first: it is what is typed nearly always, and no other run starts
  // below U+0660.
  if (u - 0x30 <= 9) return static_cast<int>(u - 0x30);
  if (u < 0x0660) return -1;
  for (uint32_t zero : characters_detail::kDigitZeros) {
    if (u < zero) break;
    if (u <= zero + 9) return static_cast<int>(u - zero);
  }
  return -1;
}
