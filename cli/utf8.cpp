#include "utf8.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Append(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c > 0xFFFF) {
      c -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (c >> 10));
      out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(c);
}

}  // namespace

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<uint8_t>(bytes[i++]);
    int more = 0;
    char32_t c = 0;
    // The allowed range of the second byte excludes overlong forms,
    // surrogates and code points past U+10FFFF (Unicode table 3-7).
    uint8_t low = 0x80, high = 0xBF;
    if (lead < 0x80) {
      Append(out, lead);
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2, c = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3, c = lead & 0x07;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      Append(out, kReplacement);
      continue;
    }
    for (; more > 0; --more, low = 0x80, high = 0xBF) {
      const auto next = i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0;
      if (i >= bytes.size() || next < low || next > high) break;
      c = (c << 6) | (next & 0x3F);
      ++i;
    }
    Append(out, more == 0 ? c : kReplacement);
  }
  return out;
}
