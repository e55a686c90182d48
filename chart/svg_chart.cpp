#include "svg_chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "axis_ticks.h"
#include "float_chars.h"
#include "format_row.h"

namespace {

// The drawing's own units; the viewBox scales them to any width.
constexpr int kWidth = 640;
constexpr int kHeight = 400;
constexpr int kLeft = 88;  // room for ten-digit BPS labels
constexpr int kRight = 620;
constexpr int kTop = 52;
constexpr int kBottom = 340;
constexpr int kHeadingFit = 70;  // characters that fit the width at the heading's size

// Coordinates are kept in hundredths of a unit, as integers, and written with
// at most two decimals: "123.45", "88", "60.5".
using Coord = int64_t;

void Append(std::string& out, int64_t n) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

void AppendCoord(std::string& out, Coord hundredths) {
  Append(out, hundredths / 100);
  const int64_t fraction = hundredths % 100;
  if (fraction == 0) return;
  out += '.';
  out += static_cast<char>('0' + fraction / 10);
  if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
}

void AppendWide(std::string& out, const wchar_t* text) {
  for (; *text; ++text) out += static_cast<char>(*text);  // cell texts are ASCII
}

// baseRea in the fewest significant digits that read back as the same
// double: "0.45", "1e-310", "inf".
void AppendShortest(std::string& out, double value) {
  char text[32];
  for (int precision = 1;; ++precision) {
    const auto written =
        ToChars(text, text + sizeof text, value, std::chars_format::general, precision);
    double back = 0.0;
    const auto read = FromChars(text, written.ptr, back, std::chars_format::general);
    if (precision == 17 || (read.ec == std::errc{} && back == value)) {
      out.append(text, written.ptr);
      return;
    }
  }
}

struct Scale {
  int32_t reaEnd;  // the REA axis runs 0 .. reaEnd
  BpsTicks bps;
  double bpsTop;

  Coord X(int32_t rea) const {
    const int64_t span = int64_t{kRight - kLeft} * 100;
    return Coord{kLeft} * 100 + (2 * rea * span + reaEnd) / (2 * int64_t{reaEnd});
  }
  Coord Y(double bps) const {
    const double span = (kBottom - kTop) * 100.0;
    return Coord{kBottom} * 100 - std::llround(bps * span / bpsTop);
  }
};

Scale MakeScale(const CalcInputs& inputs, std::span<const BreakpointRow> rows) {
  const int32_t scanned = std::min(inputs.reaLimit, int32_t{100});
  double maxBps = 0.0;
  for (const auto& row : rows) maxBps = std::max(maxBps, row.bps);
  const BpsTicks ticks = ChooseBpsTicks(maxBps);
  return {std::max(scanned - 1, int32_t{1}), ticks, BpsTickValue(ticks, ticks.count)};
}

void AppendHeading(std::string& out, const CalcInputs& inputs) {
  std::string text = "Framebreaks for BaseRea ";
  AppendShortest(text, inputs.baseRea);
  text += ", FiringMode ";
  Append(text, inputs.firingMode);
  text += ", Fps ";
  Append(text, inputs.fps);
  text += ", Rea ";
  Append(text, inputs.reaLimit);

  out += "<title>" + text + "</title>\n";
  out += "<rect width=\"";
  Append(out, kWidth);
  out += "\" height=\"";
  Append(out, kHeight);
  out += "\" fill=\"#fff\"/>\n";
  out += "<text class=\"heading\" x=\"16\" y=\"30\" font-size=\"15\" fill=\"#222\"";
  // Extreme inputs make a long heading: squeeze it into the width.
  if (text.size() > kHeadingFit) out += " textLength=\"608\" lengthAdjust=\"spacingAndGlyphs\"";
  out += ">" + text + "</text>\n";
}

void AppendAxes(std::string& out, const Scale& scale) {
  out += "<g class=\"grid\" stroke=\"#ddd\" fill=\"none\">\n";
  for (int k = 1; k <= scale.bps.count; ++k) {
    out += "<path d=\"M";
    Append(out, kLeft);
    out += ' ';
    AppendCoord(out, scale.Y(BpsTickValue(scale.bps, k)));
    out += 'H';
    Append(out, kRight);
    out += "\"/>\n";
  }
  out += "</g>\n<g class=\"axes\" stroke=\"#444\" fill=\"none\">\n<path d=\"M";
  Append(out, kLeft);
  out += ' ';
  Append(out, kTop);
  out += 'V';
  Append(out, kBottom);
  out += 'H';
  Append(out, kRight);
  out += "\"/>\n";
  const int32_t reaStep = ChooseReaTickStep(scale.reaEnd);
  for (int32_t rea = 0; rea <= scale.reaEnd; rea += reaStep) {
    out += "<path d=\"M";
    AppendCoord(out, scale.X(rea));
    out += " 340V346\"/>\n";
  }
  out += "</g>\n<g class=\"ticks\" fill=\"#444\" font-size=\"12\" text-anchor=\"middle\">\n";
  for (int32_t rea = 0; rea <= scale.reaEnd; rea += reaStep) {
    out += "<text x=\"";
    AppendCoord(out, scale.X(rea));
    out += "\" y=\"361\">";
    Append(out, rea);
    out += "</text>\n";
  }
  for (int k = 0; k <= scale.bps.count; ++k) {
    out += "<text x=\"82\" y=\"";
    AppendCoord(out, scale.Y(BpsTickValue(scale.bps, k)) + 400);  // centred on the line
    out += "\" text-anchor=\"end\">";
    AppendBpsTickText(out, scale.bps, k);
    out += "</text>\n";
  }
  out +=
      "</g>\n<g class=\"axis-label\" fill=\"#222\" font-size=\"13\" text-anchor=\"middle\">\n"
      "<text x=\"354\" y=\"388\">REA %</text>\n"
      "<text x=\"20\" y=\"196\" transform=\"rotate(-90 20 196)\">BPS</text>\n</g>\n";
}

void AppendRows(std::string& out, const Scale& scale, std::span<const BreakpointRow> rows) {
  out += "<g class=\"steps\" stroke=\"#1f5fbf\" stroke-width=\"2.5\" fill=\"none\">\n";
  for (std::size_t k = 0; k < rows.size(); ++k) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(rows[k], rea, bps);
    const Coord x = scale.X(rows[k].reaPercent);
    const Coord y = scale.Y(rows[k].bps);
    const int32_t next = k + 1 < rows.size() ? rows[k + 1].reaPercent : scale.reaEnd;

    out += "<g class=\"row\" data-rea=\"";
    AppendWide(out, rea);
    out += "\" data-bps=\"";
    AppendWide(out, bps);
    out += "\"><title>";
    AppendWide(out, rea);
    out += " %: ";
    AppendWide(out, bps);
    out += " BPS</title><path d=\"M";
    AppendCoord(out, x);
    out += ' ';
    if (k > 0) {
      AppendCoord(out, scale.Y(rows[k - 1].bps));
      out += 'V';
    }
    AppendCoord(out, y);
    out += 'H';
    AppendCoord(out, scale.X(next));
    out += "\"/><circle cx=\"";
    AppendCoord(out, x);
    out += "\" cy=\"";
    AppendCoord(out, y);
    out += "\" r=\"3.5\" fill=\"#1f5fbf\" stroke=\"none\"/></g>\n";
  }
  out += "</g>\n";
}

}  // namespace

std::string RenderChartSvg(const CalcInputs& inputs, std::span<const BreakpointRow> rows) {
  const Scale scale = MakeScale(inputs, rows);
  std::string out =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 640 400\" "
      "class=\"reacalc-chart\" role=\"img\" font-family=\"sans-serif\">\n";
  AppendHeading(out, inputs);
  AppendAxes(out, scale);
  AppendRows(out, scale, rows);
  out += "</svg>\n";
  return out;
}
