// The four inputs of a calculation and the rules that accept or reject the
// texts typed into the window's fields.
//
// Texts are NUL-terminated wide strings (UTF-16 on Windows, UTF-32 on Linux;
// both give the same results). Common to every field:
//  - leading white space is skipped: U+0009..U+000D, U+0020, U+0085, U+00A0
//    and, from U+0100 up, Unicode White_Space (U+1680, U+2000..U+200A,
//    U+2028, U+2029, U+202F, U+205F, U+3000);
//  - a digit is '0'..'9' or one of the 17 other ten-digit runs listed in
//    characters.h (Arabic-Indic, Devanagari, ..., fullwidth), mixed freely;
//  - the number must run to the end of the text: "0.45 " and "3.0" (in an
//    integer field) fail; signs, '.', 'e', 'x', 'p' and words are ASCII.
//
// ParseBaseRea: a decimal, hexadecimal or infinity text, the value correctly
// rounded to double (subnormals kept, overflow to infinity, underflow to 0),
// accepted when > 0:
//   " 0.45" -> 0.45   ".45", "+0.45", "45e-2" -> 0.45   "1." -> 1
//   "0x10" -> 16      "inf" -> +infinity                "1e-310" -> subnormal
//   "1e", "0", "-1", "-inf", "nan", "0,45" -> "Enter valid baseRea > 0"
// ParseFiringMode / ParseFps / ParseReaLimit: optional sign and base-10
// digits, saturated to the int32 range, accepted when >= 1:
//   "007" -> 7   "99999999999" -> 2147483647   "250" -> 250 (the table caps it)
//   "3.0", "0x10", "+", "-5", "" -> that field's message
#pragma once

#include <cstdint>
#include <variant>

struct CalcInputs {
  double baseRea;      // seconds per REA cycle at 0 % reduction, > 0
  int32_t firingMode;  // shots per REA cycle, >= 1
  int32_t fps;         // client frames per second, >= 1
  int32_t reaLimit;    // percentages to scan from 0, >= 1
};

// The failure of a field: one of the four fixed messages below, unchanged.
// Arrays rather than pointers to literals, so each message has one address
// in the whole program.
struct InputValidationError {
  const wchar_t* message;
};

inline constexpr wchar_t kBaseReaMessage[] = L"Enter valid baseRea > 0";
inline constexpr wchar_t kFiringModeMessage[] = L"Enter valid firingMode > 0";
inline constexpr wchar_t kFpsMessage[] = L"Enter valid FPS > 0";
inline constexpr wchar_t kReaLimitMessage[] = L"Enter valid REA % > 0";

template <class T>
using FieldResult = std::variant<T, InputValidationError>;

// Each rule takes one NUL-terminated text (never null).
[[nodiscard]] FieldResult<double> ParseBaseRea(const wchar_t* text) noexcept;
[[nodiscard]] FieldResult<int32_t> ParseFiringMode(const wchar_t* text) noexcept;
[[nodiscard]] FieldResult<int32_t> ParseFps(const wchar_t* text) noexcept;
[[nodiscard]] FieldResult<int32_t> ParseReaLimit(const wchar_t* text) noexcept;

// The four rules in the order BaseRea, FiringMode, Fps, Rea; the first field
// that fails gives the result and later fields are not looked at.
[[nodiscard]] FieldResult<CalcInputs> ParseCalcInputs(const wchar_t* baseRea,
                                                      const wchar_t* firingMode, const wchar_t* fps,
                                                      const wchar_t* reaLimit) noexcept;
