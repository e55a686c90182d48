// UTF-8 bytes to and from wide strings: command-line arguments on platforms
// whose argv is bytes, and the texts of weapon lists.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every ill-formed sequence (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, cut short) becomes one U+FFFD per maximal ill-formed part,
// so a field holding one fails by its own rule. Where wchar_t is 16 bits,
// characters beyond U+FFFF become surrogate pairs.
[[nodiscard]] std::wstring DecodeUtf8(std::string_view bytes);

// The same as code points, one char32_t each, whatever the size of wchar_t.
[[nodiscard]] std::u32string DecodeUtf8CodePoints(std::string_view bytes);

// The offset of the first byte of the first ill-formed sequence, or npos
// when every byte is well-formed UTF-8: "ab\xFF" -> 2, "\xE2\x80" -> 0.
[[nodiscard]] std::size_t FindInvalidUtf8(std::string_view bytes) noexcept;

// Wide text to UTF-8; surrogate pairs (16-bit wchar_t) become one character,
// a lone surrogate U+FFFD.
[[nodiscard]] std::string EncodeUtf8(std::wstring_view text);
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);
