// Decoding of command-line bytes: well-formed text round-trips, every
// ill-formed part becomes U+FFFD.
#include "utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DecodeUtf8, WellAndIllFormed) {
  struct Case {
    std::string bytes;
    std::wstring expected;
  };
  const Case cases[] = {
      {"0.45", L"0.45"},
      {"\xEF\xBC\x96\xEF\xBC\x90", L"\uFF16\uFF10"},  // fullwidth 60
      {"\xC2\xA0"
       "1",
       L"\u00A0"
       L"1"},
      {"\xE3\x80\x80", L"\u3000"},
      {"\xF0\x9F\x98\x80", sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                : std::wstring(1, wchar_t(0x1F600))},
      {"\x80", L"\uFFFD"},
      {"\xFF"
       "1",
       L"\uFFFD"
       L"1"},
      {"\xC0\xB0", L"\uFFFD\uFFFD"},                      // overlong '0'
      {"\xE0\x80\xB0", L"\uFFFD\uFFFD\uFFFD"},            // overlong '0'
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},            // a surrogate
      {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xE2\x80", L"\uFFFD"},                            // cut short
      {"\xE2\x80"
       "5",
       L"\uFFFD"
       L"5"},
      {"\xF0\x9F\x98", L"\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.expected);
}

}  // namespace
