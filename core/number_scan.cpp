#include "number_scan.h"

#include "characters.h"

namespace {

// Exponents this large already mean infinity or zero for every digit string we
// keep; saturating here keeps the arithmetic below in range.
constexpr int64_t kExponentCap = 100'000'000;

const wchar_t* SkipWhiteSpace(const wchar_t* p) {
  while (IsFieldWhiteSpace(*p)) ++p;
  return p;
}

bool ScanSign(const wchar_t*& p) {
  if (*p == L'+' || *p == L'-') return *p++ == L'-';
  return false;
}

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

// Matches an ASCII word in any letter case.
bool ScanWord(const wchar_t*& p, const char* word) {
  const wchar_t* q = p;
  for (; *word; ++word, ++q) {
    if (LowerAscii(*q) != static_cast<wchar_t>(*word)) return false;
  }
  p = q;
  return true;
}

int HexDigitValue(wchar_t c) {
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return DigitValue(c);
}

// An exponent: optional sign and at least one decimal digit, saturated.
bool ScanExponent(const wchar_t*& p, int64_t& exponent) {
  const wchar_t* q = p;
  const bool negative = ScanSign(q);
  if (DigitValue(*q) < 0) return false;
  int64_t value = 0;
  for (int d; (d = DigitValue(*q)) >= 0; ++q) {
    if (value < kExponentCap) value = value * 10 + d;
  }
  exponent = negative ? -value : value;
  p = q;
  return true;
}

// Digits with an optional point, in base 10 or 16. Each kept digit or digit
// place is accounted for in out.exponent in units of `placeExponent` (1 for
// decimal, 4 bits for hex).
bool ScanMantissa(const wchar_t*& p, int base, int placeExponent, ScannedReal& out) {
  static constexpr char kAscii[] = "0123456789abcdef";
  bool anyDigit = false;
  bool sticky = false;
  bool afterPoint = false;
  for (;; ++p) {
    if (*p == L'.' && !afterPoint) {
      afterPoint = true;
      continue;
    }
    const int d = base == 16 ? HexDigitValue(*p) : DigitValue(*p);
    if (d < 0) break;
    anyDigit = true;
    if (out.digitCount == 0 && d == 0) {
      if (afterPoint) out.exponent -= placeExponent;  // a leading zero of the fraction
    } else if (out.digitCount < kMaxSignificantDigits) {
      out.digits[out.digitCount++] = kAscii[d];
      if (afterPoint) out.exponent -= placeExponent;
    } else {
      sticky |= d != 0;
      if (!afterPoint) out.exponent += placeExponent;
    }
  }
  if (sticky) {
    out.digits[out.digitCount++] = '1';
    out.exponent -= placeExponent;
  }
  out.digits[out.digitCount] = '\0';
  return anyDigit;
}

}  // namespace

bool ScanReal(const wchar_t* text, ScannedReal& out) noexcept {
  // The fields only: zeroing the whole digit buffer each call cost more than
  // the scan itself. The buffer is valid up to digitCount and its terminator.
  out.form = ScannedReal::Form::kDecimal;
  out.negative = false;
  out.digits[0] = '\0';
  out.digitCount = 0;
  out.exponent = 0;
  const wchar_t* p = SkipWhiteSpace(text);
  out.negative = ScanSign(p);

  if (ScanWord(p, "inf")) {
    out.form = ScannedReal::Form::kInfinity;
    ScanWord(p, "inity");
    return *p == L'\0';
  }
  if (ScanWord(p, "nan")) {
    // "nan" and "nan(chars)" are NaN; whatever the tail, the field rejects it.
    out.form = ScannedReal::Form::kNaN;
    return true;
  }

  int64_t scaled = 0;
  if (p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')) {
    // "0x" with no hex digit is the number 0 followed by text: not whole.
    out.form = ScannedReal::Form::kHex;
    p += 2;
    if (!ScanMantissa(p, 16, 4, out)) return false;
    if ((*p == L'p' || *p == L'P') && !ScanExponent(++p, scaled)) return false;
  } else {
    out.form = ScannedReal::Form::kDecimal;
    if (!ScanMantissa(p, 10, 1, out)) return false;
    if ((*p == L'e' || *p == L'E') && !ScanExponent(++p, scaled)) return false;
  }
  out.exponent += scaled;
  return *p == L'\0';
}

bool ScanInteger(const wchar_t* text, int32_t& out) noexcept {
  const wchar_t* p = SkipWhiteSpace(text);
  const bool negative = ScanSign(p);
  if (DigitValue(*p) < 0) return false;
  constexpr int64_t kCap = int64_t{INT32_MAX} + 1;  // |INT32_MIN|
  int64_t magnitude = 0;
  for (int d; (d = DigitValue(*p)) >= 0; ++p) {
    magnitude = magnitude * 10 + d;
    if (magnitude > kCap) magnitude = kCap;
  }
  if (*p != L'\0') return false;
  const int64_t value = negative ? -magnitude : magnitude;
  out = static_cast<int32_t>(value > INT32_MAX ? INT32_MAX : value);
  return true;
}
