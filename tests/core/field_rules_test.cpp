// Accept/reject and values of the four field rules, grouped by rule.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc_inputs.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct RealCase {
  const wchar_t* text;
  double expected;  // 0 means rejected
};

struct IntCase {
  const wchar_t* text;
  int32_t expected;  // 0 means rejected
};

std::wstring Message(const InputValidationError& e) { return e.message; }

void ExpectBaseRea(const RealCase& c) {
  const auto result = ParseBaseRea(c.text);
  if (c.expected == 0.0) {
    ASSERT_TRUE(std::holds_alternative<InputValidationError>(result)) << "accepted: " << c.text;
    EXPECT_EQ(Message(std::get<InputValidationError>(result)), L"Enter valid baseRea > 0");
  } else {
    ASSERT_TRUE(std::holds_alternative<double>(result)) << "rejected: " << c.text;
    EXPECT_EQ(std::get<double>(result), c.expected) << c.text;
  }
}

void ExpectInteger(FieldResult<int32_t> (*rule)(const wchar_t*) noexcept, const IntCase& c,
                   const wchar_t* message) {
  const auto result = rule(c.text);
  if (c.expected == 0) {
    ASSERT_TRUE(std::holds_alternative<InputValidationError>(result)) << "accepted: " << c.text;
    EXPECT_EQ(Message(std::get<InputValidationError>(result)), message);
  } else {
    ASSERT_TRUE(std::holds_alternative<int32_t>(result)) << "rejected: " << c.text;
    EXPECT_EQ(std::get<int32_t>(result), c.expected) << c.text;
  }
}

void ExpectAllIntegerRules(const IntCase& c) {
  ExpectInteger(ParseFiringMode, c, L"Enter valid firingMode > 0");
  ExpectInteger(ParseFps, c, L"Enter valid FPS > 0");
  ExpectInteger(ParseReaLimit, c, L"Enter valid REA % > 0");
}

TEST(BaseReaRule, DecimalForms) {
  const RealCase cases[] = {
      {L"0.45", 0.45},   {L".45", 0.45},  {L"+0.45", 0.45}, {L"45e-2", 0.45}, {L"45E-2", 0.45},
      {L"4.5e-1", 0.45}, {L"1.", 1.0},    {L"0045", 45.0},  {L"1e+2", 100.0}, {L"1e0002", 100.0},
      {L"0.0", 0},       {L"0", 0},       {L"-1", 0},       {L"-0.45", 0},    {L"1e", 0},
      {L"1e+", 0},       {L"1e-", 0},     {L".", 0},        {L"+", 0},        {L"+.e1", 0},
      {L"0,45", 0},      {L"1.2.3", 0},   {L"++1", 0},      {L"1e2e3", 0},    {L"e5", 0},
      {L"1 2", 0},       {L"0.45abc", 0}, {L"", 0},
  };
  for (const auto& c : cases) ExpectBaseRea(c);
}

TEST(BaseReaRule, HexForms) {
  const RealCase cases[] = {
      {L"0x10", 16.0},
      {L"0X10", 16.0},
      {L"0x1.8p3", 12.0},
      {L"0x.8", 0.5},
      {L"0xAbC", 2748.0},
      {L"0x1P-2", 0.25},
      {L"0x1.", 1.0},
      {L"+0x1p+4", 16.0},
      {L"0x\uFF11p1", 2.0},  // a fullwidth 1 is a hex digit too
      {L"0x", 0},
      {L"0x.", 0},
      {L"0xg", 0},
      {L"0x1p", 0},
      {L"0x1p+", 0},
      {L"0x1pA", 0},
      {L"-0x1", 0},
      {L"0x0p5", 0},
      {L"0\uFF58"
       L"1",
       0},  // a fullwidth x is not the prefix
  };
  for (const auto& c : cases) ExpectBaseRea(c);
}

TEST(BaseReaRule, InfinityAndNaN) {
  const RealCase cases[] = {
      {L"inf", kInf}, {L"INF", kInf}, {L"Infinity", kInf}, {L"+iNfInItY", kInf},
      {L"-inf", 0},   {L"infin", 0},  {L"infinity!", 0},   {L"nan", 0},
      {L"NaN(1)", 0}, {L"-nan", 0},   {L"in", 0},          {L"\uFF49nf", 0},
  };
  for (const auto& c : cases) ExpectBaseRea(c);
}

TEST(BaseReaRule, WhiteSpace) {
  const RealCase cases[] = {
      {L" 0.45", 0.45},
      {L"\t\n\v\f\r0.45", 0.45},
      {L"\u00850.45", 0.45},
      {L"\u00A00.45", 0.45},
      {L"\u16800.45", 0.45},
      {L"\u2000\u200A0.45", 0.45},
      {L"\u2028\u20290.45", 0.45},
      {L"\u202F\u205F\u30000.45", 0.45},
      {L"0.45 ", 0},
      {L" ", 0},
      {L"\u200B0.45", 0},  // zero-width space is not white
      {L"\u180E0.45", 0},
      {L"\u001C0.45", 0},
      {L"\uFEFF0.45", 0},
      {L"- 1", 0},
      {L"+ 1", 0},
  };
  for (const auto& c : cases) ExpectBaseRea(c);
}

TEST(BaseReaRule, DigitSets) {
  // Each accepted set's "4" and "5", read as 0.45 and 45e-2.
  const wchar_t zeros[] = {0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
                           0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};
  for (wchar_t z : zeros) {
    const std::wstring plain = {z, L'.', static_cast<wchar_t>(z + 4), static_cast<wchar_t>(z + 5)};
    const std::wstring expo = {static_cast<wchar_t>(z + 4), static_cast<wchar_t>(z + 5), L'e', L'-',
                               static_cast<wchar_t>(z + 2)};
    ExpectBaseRea({plain.c_str(), 0.45});
    ExpectBaseRea({expo.c_str(), 0.45});
  }
  // Mixed scripts in one number; a digit one past a set, or Tamil, is not a digit.
  ExpectBaseRea({L"\u0660.\u09EA5", 0.45});
  ExpectBaseRea({L"0.\u0BEA5", 0});
  ExpectBaseRea({L"0.\u066A", 0});
  ExpectBaseRea({L"0.\uFF1A", 0});
}

TEST(IntegerRules, Forms) {
  const IntCase cases[] = {
      {L"3", 3},
      {L"007", 7},
      {L"+60", 60},
      {L" 81", 81},
      {L"250", 250},
      {L"\u00A01", 1},
      {L"3.0", 0},
      {L"0x10", 0},
      {L"+", 0},
      {L"-", 0},
      {L"0", 0},
      {L"-1", 0},
      {L"-0", 0},
      {L"", 0},
      {L" \t", 0},
      {L"60 ", 0},
      {L"1e3", 0},
      {L"+-1", 0},
      {L"1,000", 0},
      {L"inf", 0},
      {L"\uFF16\uFF10", 60},
      {L"6\uFF10", 60},
      {L"\u0967\u0968", 12},
      {L"\u0BE7", 0},
  };
  for (const auto& c : cases) ExpectAllIntegerRules(c);
}

TEST(IntegerRules, SaturateAtInt32Bounds) {
  const IntCase cases[] = {
      {L"2147483647", 2147483647},
      {L"2147483648", 2147483647},
      {L"99999999999", 2147483647},
      {L"000000000000002147483647", 2147483647},
      {L"99999999999999999999999999999999999999", 2147483647},
      {L"-2147483648", 0},
      {L"-99999999999", 0},
  };
  for (const auto& c : cases) ExpectAllIntegerRules(c);
}

TEST(ParseCalcInputs, AcceptsDefaults) {
  const auto result = ParseCalcInputs(L"0.45", L"3", L"60", L"81");
  ASSERT_TRUE(std::holds_alternative<CalcInputs>(result));
  const auto& in = std::get<CalcInputs>(result);
  EXPECT_EQ(in.baseRea, 0.45);
  EXPECT_EQ(in.firingMode, 3);
  EXPECT_EQ(in.fps, 60);
  EXPECT_EQ(in.reaLimit, 81);
}

TEST(ParseCalcInputs, ReportsFirstBadFieldOnly) {
  struct Case {
    const wchar_t* fields[4];
    const wchar_t* message;
  };
  const Case cases[] = {
      {{L"", L"", L"", L""}, L"Enter valid baseRea > 0"},
      {{L"0.45 ", L"x", L"x", L"x"}, L"Enter valid baseRea > 0"},
      {{L"0.45", L"3.0", L"0", L"0"}, L"Enter valid firingMode > 0"},
      {{L"0.45", L"3", L"-60", L""}, L"Enter valid FPS > 0"},
      {{L"0.45", L"3", L"60", L"0"}, L"Enter valid REA % > 0"},
      {{L"0.45", L"3", L"60", L"+"}, L"Enter valid REA % > 0"},
  };
  for (const auto& c : cases) {
    const auto result = ParseCalcInputs(c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
    ASSERT_TRUE(std::holds_alternative<InputValidationError>(result));
    EXPECT_EQ(Message(std::get<InputValidationError>(result)), c.message);
  }
}

}  // namespace
