// Excel's "Unicode text" and other UTF-16 files: a weapon list saved as
// UTF-16 with its byte-order mark (FF FE little-endian, FE FF big-endian) is
// read as the same text in UTF-8, so one reader serves both.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct Utf16Text {
  std::string utf8;         // without the byte-order mark
  std::size_t badLine = 0;  // the first line that is not well-formed UTF-16; 0 when none
};

// Nothing when the bytes don't start with a UTF-16 byte-order mark.
[[nodiscard]] std::optional<Utf16Text> DecodeUtf16List(std::string_view bytes);
