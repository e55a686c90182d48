#include "chart_answers.h"

#include <vector>

namespace {

// Each series' colour and second cue. The colours are the five hues of Okabe
// and Ito's colour-blind-safe set with at least 3:1 contrast on white, as
// lines need (WCAG non-text contrast): 5.2, 3.9, 3.4, 3.1 and 21. Its orange,
// sky blue and yellow reach only 2.3, 2.3 and 1.3.
struct SeriesLook {
  const char* colour;
  const char* dashes;  // nullptr: solid
  Dot dot;
};
constexpr SeriesLook kLooks[] = {
    {"#0072B2", nullptr, Dot::kCircle},       // blue, solid
    {"#D55E00", "7 4", Dot::kSquare},         // vermillion, dashed
    {"#009E73", "9 3 2 3", Dot::kTriangle},   // bluish green, dash-dot
    {"#CC79A7", "2 3", Dot::kDiamond},        // reddish purple, dotted
    {"#000000", "14 4", Dot::kTriangleDown},  // black, long dash
};
constexpr std::size_t kLookCount = sizeof kLooks / sizeof kLooks[0];

const SeriesLook& LookOf(std::size_t s) { return kLooks[s % kLookCount]; }

// Text widths are estimated: there is no font to measure. At font-size 12 a
// digit is about 6.7 units wide in the common sans-serif faces.
constexpr int kCharWidth = 7;
constexpr int kLegendLine = 20;
constexpr int kSampleWidth = 28;
constexpr int kSampleGap = 6;  // sample to text
constexpr int kEntryGap = 18;  // text to the next sample
constexpr int kLegendEnd = kWidth - 16;

std::string FpsText(int32_t fps) {
  std::string text;
  Append(text, fps);
  return text + " fps";
}

struct LegendPlace {
  int x;
  int line;
};

// Left to right from the plot's left edge, on a new line when an entry would
// pass the right margin (long frame rates: "2147483647 fps").
std::vector<LegendPlace> PlaceLegend(std::span<const ComparisonSeries> series) {
  std::vector<LegendPlace> places;
  LegendPlace at{kLeft, 0};
  for (const auto& s : series) {
    const int width =
        kSampleWidth + kSampleGap + kCharWidth * static_cast<int>(FpsText(s.fps).size());
    if (at.x != kLeft && at.x + width > kLegendEnd) at = {kLeft, at.line + 1};
    places.push_back(at);
    at.x += width + kEntryGap;
  }
  return places;
}

void AppendDashes(std::string& out, const SeriesLook& look) {
  if (look.dashes == nullptr) return;
  out += " stroke-dasharray=\"";
  out += look.dashes;
  out += '"';
}

}  // namespace

int LegendHeight(std::span<const ComparisonSeries> series) {
  if (series.empty()) return 0;
  return kLegendLine * (PlaceLegend(series).back().line + 1);
}

void AppendMarker(std::string& out, const Scale& scale, int32_t percent) {
  std::string label;
  Append(label, percent);
  label += " %";
  const Coord x = scale.X(percent);
  const int labelWidth = kCharWidth * static_cast<int>(label.size());
  // Right of the line unless that would leave the drawing, then left of it.
  const bool right = x + (4 + labelWidth + 4) * 100 <= Coord{kWidth} * 100;

  out += "<g class=\"at\" data-rea=\"";
  Append(out, percent);
  out += "\" color=\"#555\">\n<path d=\"M";
  AppendCoord(out, x);
  out += " 38V";
  Append(out, kBottom);
  out += "\" stroke=\"currentColor\" stroke-width=\"1.5\"/>\n<text x=\"";
  AppendCoord(out, right ? x + 400 : x - 400);
  out += "\" y=\"47\" font-size=\"12\" fill=\"currentColor\"";
  if (!right) out += " text-anchor=\"end\"";
  out += '>' + label + "</text>\n</g>\n";
}

void AppendSeries(std::string& out, const Scale& scale, std::span<const ComparisonSeries> series) {
  for (std::size_t s = 0; s < series.size(); ++s) {
    const SeriesLook& look = LookOf(s);
    out += "<g class=\"series\" data-fps=\"";
    Append(out, series[s].fps);
    out += "\" data-series=\"";
    Append(out, static_cast<int64_t>(s));
    out += "\" color=\"";
    out += look.colour;
    out += "\" stroke=\"currentColor\" stroke-width=\"2.5\" fill=\"none\"";
    AppendDashes(out, look);
    out += ">\n";
    AppendRowGroups(out, scale, series[s].rows, look.dot, "currentColor");
    out += "</g>\n";
  }
}

void AppendLegend(std::string& out, std::span<const ComparisonSeries> series) {
  const std::vector<LegendPlace> places = PlaceLegend(series);
  out += "<g class=\"legend\" font-size=\"12\">\n";
  for (std::size_t s = 0; s < series.size(); ++s) {
    const SeriesLook& look = LookOf(s);
    const int x = places[s].x;
    const int baseline = kHeight + 10 + kLegendLine * places[s].line;
    out += "<g class=\"legend-item\" data-series=\"";
    Append(out, static_cast<int64_t>(s));
    out += "\" color=\"";
    out += look.colour;
    out += "\"><path d=\"M";
    Append(out, x);
    out += ' ';
    Append(out, baseline - 4);
    out += 'H';
    Append(out, x + kSampleWidth);
    out += "\" stroke=\"currentColor\" stroke-width=\"2.5\" fill=\"none\"";
    AppendDashes(out, look);
    out += "/>";
    AppendDot(out, look.dot, Coord{x + kSampleWidth / 2} * 100, Coord{baseline - 4} * 100,
              "currentColor");
    out += "<text x=\"";
    Append(out, x + kSampleWidth + kSampleGap);
    out += "\" y=\"";
    Append(out, baseline);
    // The heading's dark grey: 15.9:1 on white, past the 4.5:1 text needs.
    out += "\" fill=\"#222\">" + FpsText(series[s].fps) + "</text></g>\n";
  }
  out += "</g>\n";
}
