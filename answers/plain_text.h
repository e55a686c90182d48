// Text that came from a player (a weapon's name, a list's cell), made safe to
// print anywhere: every control character, C0 (U+0000..U+001F), DEL (U+007F)
// and C1 (U+0080..U+009F), becomes one space, so no line break splits a row
// and no terminal escape reaches a screen. Every text output cleans names
// here first; each format then escapes in its own way (JSON alone escapes
// the controls instead).
//   "AK\x1b[31m"  -> "AK [31m"
//   "a\r\nb"      -> "a  b"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 in, UTF-8 out; any other byte is kept as it is.
[[nodiscard]] std::string WithoutControls(std::string_view utf8);

// True for a byte that is a control character on its own: C0 or DEL. (C1 is
// two bytes in UTF-8, C2 80..C2 9F: see IsC1At.)
[[nodiscard]] constexpr bool IsControlByte(char c) noexcept {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// True when a C1 control character starts at utf8[k].
[[nodiscard]] constexpr bool IsC1At(std::string_view utf8, std::size_t k) noexcept {
  return k + 1 < utf8.size() && static_cast<unsigned char>(utf8[k]) == 0xC2 &&
         static_cast<unsigned char>(utf8[k + 1]) <= 0x9F;
}

// The white space JavaScript's trim() removes (its WhiteSpace and
// LineTerminator characters), so a name reads the same here as in the
// page's "Setup name:" field.
[[nodiscard]] constexpr bool IsTrimmed(char32_t c) noexcept {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000 || c == 0xFEFF;
}
