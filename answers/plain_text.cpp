#include "plain_text.h"

std::string WithoutControls(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t k = 0; k < utf8.size(); ++k) {
    const auto c = static_cast<unsigned char>(utf8[k]);
    // C1 is C2 80..C2 9F in UTF-8: one character, one space.
    if (c == 0xC2 && k + 1 < utf8.size() && static_cast<unsigned char>(utf8[k + 1]) <= 0x9F &&
        static_cast<unsigned char>(utf8[k + 1]) >= 0x80) {
      out += ' ';
      ++k;
    } else {
      out += IsControl(c) ? ' ' : utf8[k];
    }
  }
  return out;
}
