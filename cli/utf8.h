// UTF-8 command-line bytes to a wide string, for platforms whose argv is bytes.
#pragma once

#include <string>
#include <string_view>

// Every ill-formed sequence (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, cut short) becomes one U+FFFD per maximal ill-formed part,
// so a field holding one fails by its own rule. Where wchar_t is 16 bits,
// characters beyond U+FFFF become surrogate pairs.
[[nodiscard]] std::wstring DecodeUtf8(std::string_view bytes);
