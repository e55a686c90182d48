// Text that came from a player (a weapon's name, a list's cell), made safe to
// print anywhere: every control character, C0 (U+0000..U+001F), DEL (U+007F)
// and C1 (U+0080..U+009F), becomes one space, so no line break splits a row
// and no terminal escape reaches a screen. Every text output cleans names
// here first; each format then escapes in its own way (JSON alone escapes
// the controls instead).
//   "AK\x1b[31m"  -> "AK [31m"
//   "a\r\nb"      -> "a  b"
#pragma once

#include <string>
#include <string_view>

// UTF-8 in, UTF-8 out; any other byte is kept as it is.
[[nodiscard]] std::string WithoutControls(std::string_view utf8);

// True for the code points WithoutControls replaces.
[[nodiscard]] constexpr bool IsControl(char32_t c) noexcept {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}
