// Scanners for the field texts: each walks one text by its grammar and says
// whether the whole text, after leading white space, is exactly one number.
// Accepting only whole texts is the same as taking the longest numeric prefix
// and requiring the terminator right after it.
#pragma once

#include <cstddef>
#include <cstdint>

// Enough significant digits to decide the rounding of any decimal text:
// halfway points between doubles need at most 767 of them. Digits beyond are
// summarised by one sticky '1' when any of them is not zero.
inline constexpr std::size_t kMaxSignificantDigits = 780;

struct ScannedReal {
  enum class Form { kDecimal, kHex, kInfinity, kNaN };
  Form form = Form::kDecimal;
  bool negative = false;
  // kDecimal, kHex: the significant digits in ASCII ('0'-'9', 'a'-'f'),
  // leading zeros dropped, NUL-terminated; empty for a zero value. The value
  // is digits x 10^exponent (decimal) or digits x 2^exponent (hex), digits
  // read as an integer in base 10 or 16.
  char digits[kMaxSignificantDigits + 2];  // left unset until ScanReal fills it
  std::size_t digitCount = 0;
  int64_t exponent = 0;
};

// Decimal ("1.", ".5", "45e-2"), hex ("0x1.8p3"), "inf"/"infinity" and
// "nan..." forms, with an optional sign. "1e", "0x", "1e+" and "." are not
// whole numbers. Precondition: text is NUL-terminated.
[[nodiscard]] bool ScanReal(const wchar_t* text, ScannedReal& out) noexcept;

// Optional sign and base-10 digits, saturated to [INT32_MIN, INT32_MAX]:
// "99999999999" -> 2147483647, "-99999999999" -> -2147483648.
[[nodiscard]] bool ScanInteger(const wchar_t* text, int32_t& out) noexcept;
