// The field rules against glibc's wcstod and wcstol in the "C" locale, on
// ASCII texts, where the two must agree: same acceptance, same value bits.
// Only ASCII: glibc's C-locale white space is ASCII, and its digits are only
// '0'-'9', so beyond ASCII the rules rightly differ from the C library.
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <variant>

#include "calc_inputs.h"
#include "fuzz_input.h"

namespace {

// Long enough to go past the 780 significant digits the core keeps, so its
// summary of the digits beyond (a sticky '1') is checked against the full text.
constexpr std::size_t kMaxLength = 2000;

// The whole-text and range rules applied to glibc's results; 0 = rejected.
double LibcBaseRea(const wchar_t* text) {
  wchar_t* end = nullptr;
  const double value = std::wcstod(text, &end);
  if (end == text || *end != L'\0') return 0.0;
  return value > 0.0 ? value : 0.0;
}

int32_t LibcInteger(const wchar_t* text) {
  wchar_t* end = nullptr;
  errno = 0;
  long value = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0') return 0;
  if (value > INT32_MAX) value = INT32_MAX;  // long is 64 bits here; saturate to int32
  if (value < INT32_MIN) value = INT32_MIN;
  return value >= 1 ? static_cast<int32_t>(value) : 0;
}

[[noreturn]] void Disagree(const wchar_t* text, const char* what) {
  std::fprintf(stderr, "%s disagrees with glibc on \"%ls\"\n", what, text);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzBytes in{data, size};
  const auto text = ExactCopy(AsciiText(in, kMaxLength));
  const wchar_t* t = text.get();

  const auto real = ParseBaseRea(t);
  const double ours = std::holds_alternative<double>(real) ? std::get<double>(real) : 0.0;
  const double theirs = LibcBaseRea(t);
  if (std::memcmp(&ours, &theirs, sizeof ours) != 0) Disagree(t, "ParseBaseRea");

  const int32_t expected = LibcInteger(t);
  for (auto rule : {ParseFiringMode, ParseFps, ParseReaLimit}) {
    const auto result = rule(t);
    const int32_t value = std::holds_alternative<int32_t>(result) ? std::get<int32_t>(result) : 0;
    if (value != expected) Disagree(t, "an integer rule");
  }
  return 0;
}
