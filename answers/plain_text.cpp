#include "plain_text.h"

std::string WithoutControls(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t k = 0; k < utf8.size(); ++k) {
    if (IsC1At(utf8, k)) {
      out += ' ';  // one character, one space
      ++k;
    } else {
      out += IsControlByte(utf8[k]) ? ' ' : utf8[k];
    }
  }
  return out;
}
