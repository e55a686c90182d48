#include "real_convert.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "float_chars.h"

namespace {

// Room for the digits, an exponent marker, a sign and up to 19 exponent digits.
constexpr std::size_t kBufferSize = kMaxSignificantDigits + 2 + 24;

double Magnitude(const ScannedReal& s) {
  if (s.form == ScannedReal::Form::kInfinity) return std::numeric_limits<double>::infinity();
  if (s.form == ScannedReal::Form::kNaN) return std::numeric_limits<double>::quiet_NaN();
  if (s.digitCount == 0) return 0.0;

  const bool hex = s.form == ScannedReal::Form::kHex;
  char buffer[kBufferSize];
  std::memcpy(buffer, s.digits, s.digitCount);
  char* end = buffer + s.digitCount;
  *end++ = hex ? 'p' : 'e';
  end = std::to_chars(end, buffer + sizeof buffer, s.exponent).ptr;

  double value = 0.0;
  // Locale-free and correctly rounded on every toolchain.
  const auto [stop, ec] =
      FromChars(buffer, end, value, hex ? std::chars_format::hex : std::chars_format::general);
  if (ec != std::errc::result_out_of_range) return value;

  // Out of range leaves value untouched; tell overflow from underflow by the
  // position of the leading digit: digits x base^exponent has its leading digit
  // at place digitCount + exponent (in decimal places or, for hex, nibbles+bits).
  const long long place = hex ? 4LL * static_cast<long long>(s.digitCount) + s.exponent
                              : static_cast<long long>(s.digitCount) + s.exponent;
  return place > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

double ConvertReal(const ScannedReal& scanned) noexcept {
  const double magnitude = Magnitude(scanned);
  return scanned.negative ? -magnitude : magnitude;
}
