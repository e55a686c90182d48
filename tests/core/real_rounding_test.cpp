// Values of accepted baseRea texts at the edges of double: ties, subnormals,
// overflow and underflow, and texts longer than any double needs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "calc_inputs.h"

#ifdef __GLIBC__
#include <clocale>
#include <cwchar>
#endif

namespace {

double FromBits(uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kMinSubnormal = FromBits(1);
const double kMaxDouble = FromBits(0x7FEFFFFFFFFFFFFF);

// 0 for a rejected text (every accepted value is > 0).
double BaseReaOrZero(const std::wstring& text) {
  const auto result = ParseBaseRea(text.c_str());
  return std::holds_alternative<double>(result) ? std::get<double>(result) : 0.0;
}

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

TEST(BaseReaRounding, EdgesOfTheDoubleRange) {
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {"1e-310", FromBits(0x000012688B70E62B)},
      {"4.9406564584124654e-324", kMinSubnormal},
      {"2.4703282292062328e-324", kMinSubnormal},  // just above half the smallest
      {"2.4703282292062327e-324", 0},              // just below: rounds to 0, rejected
      {"1e-400", 0},
      {"1e-99999999999999999999", 0},
      {"0e99999999999", 0},
      {"2.2250738585072011e-308", FromBits(0x000FFFFFFFFFFFFF)},  // largest subnormal
      {"2.2250738585072014e-308", FromBits(0x0010000000000000)},  // smallest normal
      {"1.7976931348623157e308", kMaxDouble},
      {"1.7976931348623158e308", kMaxDouble},
      {"1.7976931348623159e308", kInf},  // past the halfway point to 2^1024
      {"1e309", kInf},
      {"1e99999999999999999999", kInf},
      {"9007199254740993", 9007199254740992.0},  // tie: even mantissa
      {"9007199254740995", 9007199254740996.0},
      {"0x1p-1074", kMinSubnormal},
      {"0x1p-1075", 0},  // exact tie with 0: to even
      {"0x1.0000000000001p-1075", kMinSubnormal},
      {"0x1.8p-1074", FromBits(2)},
      {"0x1.4p-1074", kMinSubnormal},
      {"0x1.fffffffffffff7ffp1023", kMaxDouble},
      {"0x1.fffffffffffff8p1023", kInf},
      {"0x1.00000000000008p0", 1.0},
      {"0x1.00000000000018p0", FromBits(0x3FF0000000000002)},
      {"0x1p99999999999999", kInf},
  };
  for (const auto& c : cases) EXPECT_EQ(BaseReaOrZero(Widen(c.text)), c.expected) << c.text;
}

TEST(BaseReaRounding, DigitsBeyondAnyDoublesNeedStillDecideTies) {
  const std::string zeros(1000, '0');
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {"9007199254740993." + zeros, 9007199254740992.0},
      {"9007199254740993." + zeros + "1", 9007199254740994.0},
      {"0." + zeros + "45e1000", 0.45},
      {zeros + "45e-2", 0.45},
      {"45" + zeros + "e-1002", 0.45},
      {"1" + zeros + zeros + "e-2000", 1.0},
      {"0x1.00000000000008" + zeros, 1.0},
      {"0x1.00000000000008" + zeros + "1", FromBits(0x3FF0000000000001)},
      {"0x" + zeros + "1p0", 1.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BaseReaOrZero(Widen(c.text)), c.expected) << c.text.substr(0, 40);
  }
}

#ifdef __GLIBC__
// glibc's wcstod rounds correctly in the "C" locale; on ASCII texts the rule
// must agree with it in acceptance and to the last bit.
TEST(BaseReaRounding, AgreesWithGlibcOnRandomAsciiTexts) {
  std::setlocale(LC_ALL, "C");
  std::mt19937_64 rng(20261208);
  const std::string alphabet = "0123456789012345678901234567890123456789..eE+-xXpPabcfinINtyN ";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(1, 24);
  std::uniform_int_distribution<uint64_t> bits;
  for (int n = 0; n < 200000; ++n) {
    std::wstring text;
    if (n % 2) {
      for (int k = length(rng); k > 0; --k) text += static_cast<wchar_t>(alphabet[pick(rng)]);
    } else {  // a random double printed with 17 digits, nudged by a digit
      wchar_t buf[64];
      std::swprintf(buf, 64, L"%.17g", FromBits(bits(rng) & 0x7FFFFFFFFFFFFFFF));
      text = buf;
      if (n % 4 == 0 && text.size() > 3) text[text.size() / 2] = L'5';
    }
    wchar_t* end = nullptr;
    const double libc = std::wcstod(text.c_str(), &end);
    const bool accepted = end != text.c_str() && *end == L'\0' && libc > 0.0;
    const double ours = BaseReaOrZero(text);
    ASSERT_EQ(ours != 0.0, accepted) << std::string(text.begin(), text.end());
    if (accepted) {
      ASSERT_EQ(ours, libc) << std::string(text.begin(), text.end());
    }
  }
}
#endif

}  // namespace
