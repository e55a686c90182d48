#include "float_chars.h"

#if !defined(__cpp_lib_to_chars)
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "number_scan.h"
#endif

#if defined(__cpp_lib_to_chars)

std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) noexcept {
  return std::from_chars(first, last, value, format);
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) noexcept {
  return std::to_chars(first, last, value, format, precision);
}

#else

std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                 std::chars_format format) noexcept {
  // strtod wants a terminated text and, for hex, the prefix. The longest text
  // the field rules hand over: the digits, a sticky digit, an exponent.
  char text[kMaxSignificantDigits + 32];
  const bool hex = format == std::chars_format::hex;
  const auto size = static_cast<std::size_t>(last - first);
  if (size + 3 > sizeof text) return {first, std::errc::invalid_argument};
  char* out = text;
  if (hex) *out++ = '0', *out++ = 'x';
  std::memcpy(out, first, size);
  out[size] = '\0';
  char* end = nullptr;
  const double result = std::strtod(text, &end);
  if (end == text) return {first, std::errc::invalid_argument};
  value = result;
  return {first + (end - out), std::errc{}};
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format,
                             int precision) noexcept {
  // "%.3f" of the largest double has 313 characters.
  char text[400];
  const int n = std::snprintf(
      text, sizeof text, format == std::chars_format::fixed ? "%.*f" : "%.*g", precision, value);
  if (n < 0 || static_cast<std::size_t>(n) >= sizeof text || n > last - first)
    return {last, std::errc::value_too_large};
  std::memcpy(first, text, static_cast<std::size_t>(n));
  return {first + n, std::errc{}};
}

#endif
