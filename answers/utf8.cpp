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

// Reads one character from bytes[i], moving i past it: true with the
// character in c, or false past the maximal ill-formed part.
bool Next(std::string_view bytes, std::size_t& i, char32_t& c) {
  const auto lead = static_cast<uint8_t>(bytes[i++]);
  int more = 0;
  // The allowed range of the second byte excludes overlong forms,
  // surrogates and code points past U+10FFFF (Unicode table 3-7).
  uint8_t low = 0x80, high = 0xBF;
  if (lead < 0x80) {
    c = lead;
    return true;
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
    return false;
  }
  for (; more > 0; --more, low = 0x80, high = 0xBF) {
    if (i >= bytes.size()) return false;
    const auto next = static_cast<uint8_t>(bytes[i]);
    if (next < low || next > high) return false;
    c = (c << 6) | (next & 0x3F);
    ++i;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else {
    if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    }
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t c = 0;
    Append(out, Next(bytes, i, c) ? c : kReplacement);
  }
  return out;
}

std::u32string DecodeUtf8CodePoints(std::string_view bytes) {
  std::u32string out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t c = 0;
    out += Next(bytes, i, c) ? c : kReplacement;
  }
  return out;
}

std::size_t FindInvalidUtf8(std::string_view bytes) noexcept {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t start = i;
    char32_t c = 0;
    if (!Next(bytes, i, c)) return start;
  }
  return std::string_view::npos;
}

std::string EncodeUtf8(std::wstring_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      const bool high = c >= 0xD800 && c <= 0xDBFF;
      if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
      }
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    AppendUtf8(out, c);
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text)
    AppendUtf8(out, (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? kReplacement : c);
  return out;
}
