// Floating-point text conversions with std::from_chars/std::to_chars
// semantics, locale-free and exact on every toolchain.
//
// Where the C++ library has them (__cpp_lib_to_chars: libstdc++ natively and
// with mingw) these are the std functions themselves. Emscripten's libc++
// lacks the floating-point overloads; there the C library's strtod and
// snprintf serve: musl's are correctly rounded (ties to even, subnormals
// kept) and the program never leaves the "C" locale, so '.' is the point.
// The cross-toolchain digest test holds the two paths to the same bits.
#pragma once

#include <charconv>

// Reads a decimal ("45e-2") or hex ("1.8p3", no "0x") text in [first, last).
// Like std::from_chars: on result_out_of_range `value` is left untouched
// (the C library path never reports it: strtod already gives 0 or infinity).
[[nodiscard]] std::from_chars_result FromChars(const char* first, const char* last, double& value,
                                               std::chars_format format) noexcept;

// Writes value as printf's "%.*f" (fixed) or "%.*g" (general) would in the
// "C" locale; errc::value_too_large when it does not fit in [first, last).
[[nodiscard]] std::to_chars_result ToChars(char* first, char* last, double value,
                                           std::chars_format format, int precision) noexcept;
