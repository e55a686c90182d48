#include "timeline_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart_draw.h"
#include "float_chars.h"
#include "shot_timeline.h"

namespace {

constexpr int kShotHeight = 280;
constexpr int kNoShotHeight = 90;
constexpr Coord kPlotLeft = 1600;  // 16 .. 624
constexpr Coord kPlotWidth = 60800;
constexpr int32_t kMaxCellFrames = 20;  // beyond this a shot is summarised
constexpr int32_t kDetailCells = 3;     // the last frames of a summarised shot
constexpr int kHeadingFit = 76;         // characters that fit the width at the heading's size
constexpr int kSmallChar = 6;           // about a character's width at font-size 10

// Rows, top to bottom (whole units).
constexpr int kCellTop = 76;
constexpr int kCellBottom = 106;
constexpr int kCaptionTop = 156;  // the second row's caption, which no line crosses
constexpr int kCaptionBottom = 176;
constexpr int kDriftY = 196;
constexpr int kLegendY = 263;
constexpr Coord kLabelGap = 400;  // between a label and the line it belongs to
constexpr Coord kReadyGap = 600;  // and the ready triangle, a little wider

// Where shots and frames go. Shot k (from 0) spans ShotStart(k) .. ShotEnd(k):
// a summary block (summarised shots only), then `cells` cells.
struct Layout {
  int32_t shots;
  int32_t cells;
  Coord cell;
  Coord block;

  Coord ShotStart(int32_t k) const { return kPlotLeft + k * (block + cells * cell); }
  Coord ShotEnd(int32_t k) const { return ShotStart(k + 1); }
  // `back` frames (0 .. cells) before the end of shot k. The product is
  // correctly rounded and llround exact: the same x on every toolchain.
  Coord Before(int32_t k, double back) const {
    return ShotEnd(k) - std::llround(back * static_cast<double>(cell));
  }
};

Layout MakeLayout(int32_t frames) {
  if (frames > kMaxCellFrames) {
    const Coord cell = 3600;
    return {3, kDetailCells, cell, kPlotWidth / 3 - kDetailCells * cell};
  }
  // Short shots show more of them, so the drift has room to build up.
  const int32_t shots = std::clamp(12 / frames, int32_t{3}, int32_t{5});
  return {shots, frames, kPlotWidth / (shots * frames), 0};
}

void AppendFixed3(std::string& out, double value) {
  char text[32];
  const auto written = ToChars(text, text + sizeof text, value, std::chars_format::fixed, 3);
  if (written.ec == std::errc{}) out.append(text, written.ptr);
}

void AppendAt(std::string& out, const char* name, Coord value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendCoord(out, value);
  out += '"';
}

void AppendRect(std::string& out, Coord x, Coord y, Coord width, Coord height,
                const char* rest = "") {
  out += "<rect";
  AppendAt(out, "x", x);
  AppendAt(out, "y", y);
  AppendAt(out, "width", width);
  AppendAt(out, "height", height);
  out += rest;
  out += "/>\n";
}

// A vertical line at x from y1 to y2 (whole units).
void AppendVertical(std::string& out, Coord x, int y1, int y2, const char* rest = "") {
  out += "<path d=\"M";
  AppendCoord(out, x);
  out += ' ';
  Append(out, y1);
  out += 'V';
  Append(out, y2);
  out += '"';
  out += rest;
  out += "/>\n";
}

// A small triangle pointing down with its tip at (x, y), 7 high.
void AppendTriangle(std::string& out, Coord x, int y) {
  out += "<path d=\"M";
  AppendCoord(out, x);
  out += ' ';
  Append(out, y);
  out += 'l';
  out += "-4.5 -7h9z\"/>\n";
}

void AppendText(std::string& out, Coord x, int y, const std::string& text, const char* rest = "") {
  out += "<text";
  AppendAt(out, "x", x);
  out += " y=\"";
  Append(out, y);
  out += '"';
  out += rest;
  out += '>';
  out += text;
  out += "</text>\n";
}

// A label right-aligned at x, moved right where it would start before `from`.
Coord LabelWidth(const std::string& text) {
  return Coord{kSmallChar} * 100 * static_cast<Coord>(text.size());
}

void AppendRightLabel(std::string& out, Coord x, Coord from, int y, const std::string& text) {
  AppendText(out, std::max(x, from + LabelWidth(text)), y, text, " text-anchor=\"end\"");
}

void AppendHeading(std::string& out, const std::string& text, int y) {
  out += "<text x=\"16\" y=\"";
  Append(out, y);
  out += "\" font-size=\"15\"";
  // Huge frame counts make a long heading: squeeze it into the width.
  if (text.size() > kHeadingFit) out += " textLength=\"608\" lengthAdjust=\"spacingAndGlyphs\"";
  out += '>' + text + "</text>\n";
}

void AppendFrames(std::string& out, const Layout& layout) {
  out += "<g class=\"frames\" color=\"#767676\" stroke=\"currentColor\" fill=\"none\">\n";
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord start = layout.ShotStart(k);
    if (layout.block > 0) {
      AppendRect(out, start + 100, kCellTop * 100, layout.block - 200,
                 (kCellBottom - kCellTop) * 100,
                 " fill=\"currentColor\" fill-opacity=\"0.12\" stroke-dasharray=\"4 3\"");
    }
    for (int32_t c = 0; c < layout.cells; ++c) {
      AppendRect(out, start + layout.block + c * layout.cell, kCellTop * 100, layout.cell,
                 (kCellBottom - kCellTop) * 100);
    }
  }
  // Legend swatch: none; the cells explain themselves with their numbers.
  out += "</g>\n";
}

void AppendWait(std::string& out, const Layout& layout, const ShotTimeline& t) {
  out += "<g class=\"wait\" color=\"#D55E00\" fill=\"currentColor\" fill-opacity=\"0.4\">\n";
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord ready = layout.Before(k, t.wait);
    AppendRect(out, ready, kCellTop * 100, layout.ShotEnd(k) - ready,
               (kCellBottom - kCellTop) * 100);
  }
  AppendRect(out, 9000, (kLegendY - 10) * 100, 1200, 1200);
  out += "</g>\n";
}

void AppendReady(std::string& out, const Layout& layout, const ShotTimeline& t) {
  out +=
      "<g class=\"ready\" color=\"#0072B2\" stroke=\"currentColor\" stroke-width=\"2\" "
      "fill=\"currentColor\">\n";
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord x = layout.Before(k, t.wait);
    AppendVertical(out, x, kCellTop - 4, kCellBottom);
    AppendTriangle(out, x, kCellTop - 4);
  }
  AppendTriangle(out, 2100, kLegendY - 1);
  out += "</g>\n";
}

void AppendLeave(std::string& out, const Layout& layout) {
  out += "<g class=\"leave\" color=\"#222\" stroke=\"currentColor\" fill=\"none\">\n";
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord x = layout.ShotEnd(k);
    AppendVertical(out, x, kCellTop - 6, kCellBottom + 6, " stroke-width=\"3\"");
    // Down to the row without frames, where the drift is measured against
    // it, with a gap for that row's caption.
    AppendVertical(out, x, kCellBottom + 6, kCaptionTop, " stroke-dasharray=\"3 3\"");
    AppendVertical(out, x, kCaptionBottom, kDriftY + 12, " stroke-dasharray=\"3 3\"");
  }
  AppendVertical(out, 25400, kLegendY - 11, kLegendY + 2, " stroke-width=\"3\"");
  out += "</g>\n";
}

void AppendDrift(std::string& out, const Layout& layout, const ShotTimeline& t) {
  out += "<g class=\"drift\" color=\"#009E73\" stroke=\"currentColor\" fill=\"currentColor\">\n";
  // The shots without frames, one after another from time 0.
  const Coord last = layout.Before(layout.shots - 1, layout.shots * t.wait);
  out += "<path d=\"M";
  AppendCoord(out, kPlotLeft);
  out += ' ';
  Append(out, kDriftY);
  out += 'H';
  AppendCoord(out, last);
  out += "\" stroke-width=\"2\"/>\n";
  AppendVertical(out, kPlotLeft, kDriftY - 8, kDriftY + 8, " stroke-width=\"2\"");
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord x = layout.Before(k, (k + 1) * t.wait);
    AppendRect(out, x, (kDriftY - 8) * 100, layout.ShotEnd(k) - x, 1600,
               " fill-opacity=\"0.3\" stroke=\"none\"");
    out += "<circle";
    AppendAt(out, "cx", x);
    out += " cy=\"";
    Append(out, kDriftY);
    out += "\" r=\"4\" stroke=\"none\"/>\n";
  }
  out += "<circle cx=\"396\" cy=\"";
  Append(out, kLegendY - 4);
  out += "\" r=\"4\" stroke=\"none\"/>\n";
  out += "</g>\n";
}

// Frame numbers under the cells: every one where they fit, else the leave
// frame only; a summarised shot's block says which frames it stands for.
void AppendFrameNumbers(std::string& out, const Layout& layout, const ShotTimeline& t) {
  const bool every = layout.block == 0 && layout.cell >= 1600;
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord start = layout.ShotStart(k);
    if (layout.block > 0) {
      std::string range = "1 to ";
      Append(range, t.frames - kDetailCells);
      AppendText(out, start + layout.block / 2, kCellBottom - 11, range,
                 " text-anchor=\"middle\" font-size=\"10\"");
      // Long numbers: "frame 2147483647", right-aligned under the last cells.
      std::string leave = "frame ";
      Append(leave, t.frames);
      AppendText(out, layout.ShotEnd(k) - kLabelGap, kCellBottom + 14, leave,
                 " text-anchor=\"end\" font-size=\"10\" font-weight=\"bold\"");
      continue;
    }
    for (int32_t c = every ? 0 : layout.cells - 1; c < layout.cells; ++c) {
      std::string number;
      Append(number, t.frames - layout.cells + 1 + c);
      const bool leave = c == layout.cells - 1;
      AppendText(out, start + layout.block + c * layout.cell + layout.cell / 2, kCellBottom + 14,
                 number,
                 leave ? " text-anchor=\"middle\" font-size=\"10\" font-weight=\"bold\""
                       : " text-anchor=\"middle\" font-size=\"10\"");
    }
  }
}

void AppendLabels(std::string& out, const Layout& layout, const ShotTimeline& t,
                  const TimelineTexts& texts, double frameMs) {
  out += "<g class=\"labels\" fill=\"#222\" font-size=\"11\">\n";
  AppendHeading(out,
                "At " + texts.at + " %: a shot is ready after " + texts.ready +
                    " frames and leaves on frame " + texts.frames,
                26);
  std::string caption = "With frames of ";
  AppendFixed3(caption, frameMs);
  if (layout.block > 0) {
    caption += " ms: frames 1 to ";
    Append(caption, t.frames - kDetailCells);
    caption += " of each shot summarised, the last 3 drawn";
  } else {
    caption += " ms: each shot waits for the whole frame it leaves on";
  }
  AppendText(out, kPlotLeft, 50, caption, " font-size=\"12\"");
  AppendText(out, kPlotLeft, 170,
             "Without frames: each shot would leave as soon as it is ready, drifting ahead",
             " font-size=\"12\"");
  AppendFrameNumbers(out, layout, t);
  for (int32_t k = 0; k < layout.shots; ++k) {
    const Coord start = layout.ShotStart(k);
    const Coord end = layout.ShotEnd(k);
    // Left of its line, or right of it where a shot is ready early.
    const Coord ready = layout.Before(k, t.wait);
    const std::string readyText = "ready " + texts.ready;
    if (ready - kReadyGap - LabelWidth(readyText) >= start) {
      AppendText(out, ready - kReadyGap, kCellTop - 6, readyText, " text-anchor=\"end\"");
    } else {
      AppendText(out, ready + kReadyGap, kCellTop - 6, readyText);
    }
    AppendRightLabel(out, end - kLabelGap, start, kCellBottom + 28,
                     "waits " + texts.wait + " frames");
    AppendRightLabel(out, end - kLabelGap, start, kCellBottom + 40, "(" + texts.waitMs + " ms)");
    std::string ahead;
    AppendFixed3(ahead, (k + 1) * t.wait);
    std::string aheadMs = "(";
    AppendFixed3(aheadMs, (k + 1) * t.waitMs);
    AppendRightLabel(out, end - kLabelGap, start, kDriftY + 26, ahead + " frames ahead");
    AppendRightLabel(out, end - kLabelGap, start, kDriftY + 38, aheadMs + " ms)");
  }
  AppendText(out, 2900, kLegendY, "ready");
  AppendText(out, 10600, kLegendY, "waiting for the frame");
  AppendText(out, 26200, kLegendY, "leaves on the frame");
  AppendText(out, 40400, kLegendY, "leaves when ready, without frames");
  out += "</g>\n";
}

void AppendRoot(std::string& out, int height, const TimelineTexts& texts) {
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 640 ";
  Append(out, height);
  out += "\" class=\"reacalc-timeline\" role=\"img\" font-family=\"sans-serif\" data-at=\"" +
         texts.at + "\" data-ready=\"" + texts.ready + "\" data-frames=\"" + texts.frames +
         "\" data-wait=\"" + texts.wait + "\" data-wait-ms=\"" + texts.waitMs + "\">\n";
  out +=
      "<title>Shot timeline at " + texts.at + " %: " + ShotTimelineSentence(texts) + "</title>\n";
  out += "<rect class=\"page\" width=\"640\" height=\"";
  Append(out, height);
  out += "\" fill=\"#fff\"/>\n";
}

}  // namespace

std::string RenderTimelineSvg(const CalcInputs& inputs, int32_t percent) {
  const ShotTimeline t = ComputeShotTimeline(inputs, percent);
  const TimelineTexts texts = FormatShotTimeline(t);
  std::string out;
  if (!t.shot) {
    AppendRoot(out, kNoShotHeight, texts);
    out += "<g class=\"labels\" fill=\"#222\">\n";
    AppendHeading(out, "At " + texts.at + " % there is no shot:", 34);
    out +=
        "<text x=\"16\" y=\"62\" font-size=\"12\">the interval is not a whole number of "
        "frames from 1 to Fps, so the BPS is 0.000.</text>\n</g>\n</svg>\n";
    return out;
  }
  const Layout layout = MakeLayout(t.frames);
  AppendRoot(out, kShotHeight, texts);
  AppendFrames(out, layout);
  AppendWait(out, layout, t);
  AppendReady(out, layout, t);
  AppendLeave(out, layout);
  AppendDrift(out, layout, t);
  AppendLabels(out, layout, t, texts, 1000.0 / static_cast<double>(inputs.fps));
  out += "</svg>\n";
  return out;
}
