#include "list_text_encoding.h"

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  out += static_cast<char>(((0xFF00u >> (tail + 1)) & 0xFFu) | (c >> (6 * tail)));
  for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

}  // namespace

std::optional<Utf16Text> DecodeUtf16List(std::string_view bytes) {
  const bool little = bytes.starts_with("\xFF\xFE");
  if (!little && !bytes.starts_with("\xFE\xFF")) return std::nullopt;
  const auto unit = [&](std::size_t k) -> char32_t {
    const auto lo = static_cast<unsigned char>(bytes[k + (little ? 0 : 1)]);
    const auto hi = static_cast<unsigned char>(bytes[k + (little ? 1 : 0)]);
    return char32_t{hi} << 8 | lo;
  };
  Utf16Text text;
  text.utf8.reserve(bytes.size());
  std::size_t line = 1;
  for (std::size_t k = 2; k < bytes.size(); k += 2) {
    // A lone byte at the end, or a surrogate without its pair, is no text.
    char32_t c = k + 1 < bytes.size() ? unit(k) : 0xDC00;
    if (c >= 0xD800 && c <= 0xDBFF && k + 3 < bytes.size() && unit(k + 2) >= 0xDC00 &&
        unit(k + 2) <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(k + 2) - 0xDC00);
      k += 2;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      text.badLine = line;
      return text;
    }
    if (c == '\n') ++line;
    AppendUtf8(text.utf8, c);
  }
  return text;
}
