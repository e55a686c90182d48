// The character classes the field rules share. Every code unit is compared
// whole: a character outside these sets is never narrowed to ASCII
// (U+0030 + 0x10000 is not a '0').
#pragma once

// U+0009..U+000D, U+0020, U+0085, U+00A0, and from U+0100 up Unicode's
// White_Space: U+1680, U+2000..U+200A, U+2028, U+2029, U+202F, U+205F, U+3000.
[[nodiscard]] bool IsFieldWhiteSpace(wchar_t c) noexcept;

// 0..9 for '0'..'9' and for the ten characters from each of U+0660, U+06F0,
// U+0966, U+09E6, U+0A66, U+0AE6, U+0B66, U+0C66, U+0CE6, U+0D66, U+0E50,
// U+0ED0, U+0F20, U+1040, U+17E0, U+1810, U+FF10; -1 for anything else
// (Tamil U+0BE6.. among them).
[[nodiscard]] int DigitValue(wchar_t c) noexcept;
