// The same results from every toolchain: a digest of the field rules, the
// tables, the cell texts, the charts (plain, with a marker, with compared
// frame rates) and the shot timelines over a fixed pseudo-random set of inputs. The
// native build checks the same conversions against glibc (real_rounding_test),
// so a Windows build that reproduces the digest agrees with glibc too.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "calc_inputs.h"
#include "comparison.h"
#include "float_chars.h"
#include "format_row.h"
#include "svg_chart.h"
#include "timeline_svg.h"

namespace {

// FNV-1a, 64 bits.
struct Digest {
  uint64_t value = 0xCBF29CE484222325;
  void Add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 0x100000001B3;
  }
  void Add(uint64_t v) { Add(&v, sizeof v); }
  void Add(const wchar_t* text) {
    for (; *text; ++text) Add(static_cast<uint64_t>(*text));
  }
};

uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

double FromBits(uint64_t b) {
  double d;
  std::memcpy(&d, &b, sizeof d);
  return d;
}

// mt19937_64's output is fixed by the standard; the distributions are not,
// so draw with plain modulo.
struct Draw {
  std::mt19937_64 rng{8122026};
  uint64_t Below(uint64_t n) { return rng() % n; }
};

// A text mixing number syntax with other digit sets and white space.
std::wstring RandomFieldText(Draw& draw) {
  static const wchar_t kPieces[] =
      L"0123456789..eE+-xXpPaAfFinINtTyY \t\u00A0\u3000"
      L"\u0660\u0665\u06F9\u0967\u09E8\u0E51\u17E9\u1813\uFF10\uFF19"
      L"\u0BE6\u2007\u200B";
  std::wstring text;
  if (draw.Below(2) == 0) {
    char ascii[32];
    const double d = FromBits(draw.rng());
    // "%.*g" with 1 to 17 digits: every toolchain has it (float_chars.h).
    const int precision = static_cast<int>(draw.Below(17)) + 1;
    const auto end =
        ToChars(ascii, ascii + sizeof ascii, d, std::chars_format::general, precision).ptr;
    text.assign(ascii, end);
    if (draw.Below(3) == 0) text[draw.Below(text.size())] = L'\uFF15';
  } else {
    for (auto n = draw.Below(20) + 1; n > 0; --n)
      text += kPieces[draw.Below(sizeof kPieces / sizeof kPieces[0] - 1)];
  }
  return text;
}

// The charts' inputs: a baseRea of any bits every fourth time, else of three
// decimals up to 100; small integers two times in three, else any.
int32_t ChartInt(Draw& draw) {
  return static_cast<int32_t>(draw.Below(3) ? draw.Below(240) + 1 : draw.Below(INT32_MAX) + 1);
}

CalcInputs ChartInputs(Draw& draw, int n) {
  const double baseRea = n % 4 == 0 ? FromBits(draw.rng() % 0x7FF0000000000000 + 1)
                                    : static_cast<double>(draw.Below(100000) + 1) / 1000.0;
  const int32_t firingMode = ChartInt(draw);
  const int32_t fps = ChartInt(draw);
  return {baseRea, firingMode, fps, ChartInt(draw)};
}

TEST(SameResults, FieldRulesTablesAndCellTexts) {
  Draw draw;
  Digest digest;
  for (int n = 0; n < 50000; ++n) {
    const std::wstring text = RandomFieldText(draw);
    const auto real = ParseBaseRea(text.c_str());
    digest.Add(std::holds_alternative<double>(real) ? Bits(std::get<double>(real)) : 1);
    const auto integer = ParseFps(text.c_str());
    digest.Add(std::holds_alternative<int32_t>(integer) ? std::get<int32_t>(integer) : -1);
  }
  for (int n = 0; n < 5000; ++n) {
    // Positive finite or infinite baseRea; small and huge integers alike.
    const double baseRea = FromBits(draw.rng() % 0x7FF0000000000000 + 1);
    const auto anyInt = [&] {
      return static_cast<int32_t>(draw.Below(2) ? draw.Below(200) + 1 : draw.Below(INT32_MAX) + 1);
    };
    const CalcInputs in{baseRea, anyInt(), anyInt(), anyInt()};
    for (const auto& row : ComputeBreakpointTable(in)) {
      wchar_t rea[32];
      wchar_t bps[64];
      FormatBreakpointRow(row, rea, bps);
      digest.Add(Bits(row.bps));
      digest.Add(rea);
      digest.Add(bps);
    }
  }
  EXPECT_EQ(digest.value, 9361938811776114898u);
}

// The same inputs drawn as charts: every coordinate, tick and heading.
TEST(SameResults, Charts) {
  Draw draw{};
  draw.rng.seed(9122026);
  Digest digest;
  for (int n = 0; n < 2000; ++n) {
    const CalcInputs in = ChartInputs(draw, n);
    const std::string svg = RenderChartSvg(in, ComputeBreakpointTable(in));
    digest.Add(svg.data(), svg.size());
  }
  EXPECT_EQ(digest.value, 12759710679395094505u);
}

// Charts answering the player too: a marker at a random REA %, one to four
// other frame rates (the main Fps and repeats among them), or both. A digest
// of its own, so the one above still proves the plain charts unchanged.
TEST(SameResults, ChartsWithAnswers) {
  Draw draw{};
  draw.rng.seed(10122026);
  Digest digest;
  for (int n = 0; n < 1000; ++n) {
    const CalcInputs in = ChartInputs(draw, n);
    ChartAnswers answers;
    if (n % 3 != 1) {
      answers.markerPercent = static_cast<int32_t>(draw.Below(ScannedPercentages(in)));
    }
    Comparison comparison;
    if (n % 3 != 0) {
      FrameRateList others{};
      others.count = static_cast<int>(draw.Below(kMaxOtherFrameRates)) + 1;
      for (int k = 0; k < others.count; ++k) {
        const uint64_t pick = draw.Below(4);
        others.fps[k] = pick == 0            ? in.fps
                        : pick == 1 && k > 0 ? others.fps[k - 1]
                                             : ChartInt(draw);
      }
      comparison = CompareFrameRates(in, others);
      answers.series = comparison.series;
    }
    const std::string svg = RenderChartSvg(in, ComputeBreakpointTable(in), answers);
    digest.Add(svg.data(), svg.size());
  }
  EXPECT_EQ(digest.value, 2167244361924497563u);
}

// The shot timeline at a random REA %, cells and summarised shots alike; the
// picture's data attributes are the record's texts. A digest of its own.
TEST(SameResults, ShotTimelines) {
  Draw draw{};
  draw.rng.seed(11122026);
  Digest digest;
  for (int n = 0; n < 2000; ++n) {
    const CalcInputs in = ChartInputs(draw, n);
    const auto percent = static_cast<int32_t>(draw.Below(ScannedPercentages(in)));
    const std::string svg = RenderTimelineSvg(in, percent);
    digest.Add(svg.data(), svg.size());
  }
  EXPECT_EQ(digest.value, 1999183888292610077u);
}

}  // namespace
