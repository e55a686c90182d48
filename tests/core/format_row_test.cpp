// The two cell texts of a row.
#include "format_row.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FormatBreakpointRow, CellTexts) {
  struct Case {
    BreakpointRow row;
    const wchar_t* rea;
    const wchar_t* bps;
  };
  const Case cases[] = {
      {{0, 60.0 / 9}, L"0", L"6.667"},
      {{12, 7.5}, L"12", L"7.500"},
      {{99, 0.0}, L"99", L"0.000"},
      {{0, 17.0 / 16}, L"0", L"1.062"},   // exact tie: to the even digit
      {{0, 0.0625 * 3}, L"0", L"0.188"},  // 0.1875: tie, even is 8
      {{0, 2.5e-4}, L"0", L"0.000"},      // 0.00025 as a double is just below the tie
      {{0, 0.0005}, L"0", L"0.001"},      // 0.0005 as a double is just above it
      {{0, 1.0005}, L"0", L"1.000"},      // just below
      {{0, 2147483647.0}, L"0", L"2147483647.000"},
      {{-5, 1.0}, L"-5", L"1.000"},
      {{2147483647, 1.0}, L"2147483647", L"1.000"},
  };
  for (const auto& c : cases) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(c.row, rea, bps);
    EXPECT_EQ(std::wstring(rea), c.rea);
    EXPECT_EQ(std::wstring(bps), c.bps) << c.row.bps;
  }
}

TEST(FormatBreakpointRow, TiesGoToEvenDigit) {
  // k/16 for every k has an exact tie at the fourth decimal when k is odd.
  for (int k = 1; k < 64; k += 2) {
    const double value = k / 16.0;  // x.yyy5 exactly
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow({0, value}, rea, bps);
    const long thousandths = static_cast<long>(value * 1000);  // the digits below the tie
    const long even = thousandths % 2 == 0 ? thousandths : thousandths + 1;
    wchar_t expected[64];
    std::swprintf(expected, 64, L"%ld.%03ld", even / 1000, even % 1000);
    EXPECT_EQ(std::wstring(bps), expected) << value;
  }
}

}  // namespace
