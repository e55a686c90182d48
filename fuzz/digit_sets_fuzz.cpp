// Digits of the other accepted scripts and the other accepted white space
// mean exactly what their ASCII counterparts mean: rewriting an ASCII text
// with them, character by character, never changes any field's result.
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <variant>

#include "calc_inputs.h"
#include "fuzz_input.h"

namespace {

constexpr uint32_t kDigitZeros[] = {0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66,
                                    0x0AE6, 0x0B66, 0x0C66, 0x0CE6, 0x0D66, 0x0E50,
                                    0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};
constexpr uint32_t kWhiteSpace[] = {0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x0020, 0x0085,
                                    0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004,
                                    0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x2028,
                                    0x2029, 0x202F, 0x205F, 0x3000};

bool IsAsciiWhiteSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

// xorshift32: the choice for each character, from a seed the fuzzer controls.
uint32_t Next(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

// Every ASCII digit and white space replaced by a member of its class, except
// the '0' of a "0x" prefix, which the grammar wants in ASCII: there the '0' is
// part of the prefix, not a digit.
std::wstring Rewrite(const std::wstring& ascii, uint32_t seed) {
  uint32_t state = seed | 1;
  std::wstring out = ascii;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const wchar_t c = out[i];
    const wchar_t next = i + 1 < out.size() ? out[i + 1] : L'\0';
    if (c >= L'0' && c <= L'9' && !(c == L'0' && (next == L'x' || next == L'X'))) {
      const uint32_t zero = kDigitZeros[Next(state) % std::size(kDigitZeros)];
      out[i] = static_cast<wchar_t>(zero + static_cast<uint32_t>(c - L'0'));
    } else if (IsAsciiWhiteSpace(c)) {
      out[i] = static_cast<wchar_t>(kWhiteSpace[Next(state) % std::size(kWhiteSpace)]);
    }
  }
  return out;
}

template <class T>
void ExpectSame(const FieldResult<T>& a, const FieldResult<T>& b) {
  if (a.index() != b.index()) std::abort();
  if (a.index() == 0) {
    const T x = std::get<T>(a);
    const T y = std::get<T>(b);
    if (std::memcmp(&x, &y, sizeof x) != 0) std::abort();
  } else if (std::wcscmp(std::get<1>(a).message, std::get<1>(b).message) != 0) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzBytes in{data, size};
  const auto seed = in.Value<uint32_t>();
  const std::wstring ascii = AsciiText(in, 63);
  const auto original = ExactCopy(ascii);
  const auto rewritten = ExactCopy(Rewrite(ascii, seed));

  ExpectSame(ParseBaseRea(original.get()), ParseBaseRea(rewritten.get()));
  ExpectSame(ParseFiringMode(original.get()), ParseFiringMode(rewritten.get()));
  ExpectSame(ParseFps(original.get()), ParseFps(rewritten.get()));
  ExpectSame(ParseReaLimit(original.get()), ParseReaLimit(rewritten.get()));
  return 0;
}
