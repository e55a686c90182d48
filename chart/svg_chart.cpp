#include "svg_chart.h"

#include <algorithm>
#include <charconv>

#include "chart_answers.h"
#include "chart_draw.h"
#include "float_chars.h"

namespace {

constexpr int kHeadingFit = 70;  // characters that fit the width at the heading's size

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

// The BPS axis reaches the largest BPS of the table and of every series.
Scale MakeScale(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                std::span<const ComparisonSeries> series) {
  const int32_t scanned = ScannedPercentages(inputs);
  double maxBps = 0.0;
  for (const auto& row : rows) maxBps = std::max(maxBps, row.bps);
  for (const auto& s : series) {
    for (const auto& row : s.rows) maxBps = std::max(maxBps, row.bps);
  }
  const BpsTicks ticks = ChooseBpsTicks(maxBps);
  return {std::max(scanned - 1, int32_t{1}), ticks, BpsTickValue(ticks, ticks.count)};
}

void AppendHeading(std::string& out, const CalcInputs& inputs, int height) {
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
  Append(out, height);
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

// The single chart: one table in the blue it has always had.
void AppendSteps(std::string& out, const Scale& scale, std::span<const BreakpointRow> rows) {
  out += "<g class=\"steps\" stroke=\"#1f5fbf\" stroke-width=\"2.5\" fill=\"none\">\n";
  AppendRowGroups(out, scale, rows, Dot::kCircle, "#1f5fbf");
  out += "</g>\n";
}

}  // namespace

std::string RenderChartSvg(const CalcInputs& inputs, std::span<const BreakpointRow> rows) {
  return RenderChartSvg(inputs, rows, ChartAnswers{});
}

std::string RenderChartSvg(const CalcInputs& inputs, std::span<const BreakpointRow> rows,
                           const ChartAnswers& answers) {
  const Scale scale = MakeScale(inputs, rows, answers.series);
  // A legend adds lines below; the plot itself never moves.
  const int height = kHeight + LegendHeight(answers.series);
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 640 ";
  Append(out, height);
  out += "\" class=\"reacalc-chart\" role=\"img\" font-family=\"sans-serif\">\n";
  AppendHeading(out, inputs, height);
  AppendAxes(out, scale);
  // Under the steps, so it never covers a row's tooltip.
  if (answers.markerPercent >= 0) AppendMarker(out, scale, answers.markerPercent);
  if (answers.series.empty()) {
    AppendSteps(out, scale, rows);
  } else {
    AppendSeries(out, scale, answers.series);
    AppendLegend(out, answers.series);
  }
  out += "</svg>\n";
  return out;
}
