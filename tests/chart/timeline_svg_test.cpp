// The shot timeline picture: a well-formed document of bounded size at any
// frame count, carrying the record's texts, with its marks where the numbers
// put them.
#include "timeline_svg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shot_timeline.h"
#include "svg_reader.h"

namespace {

double Num(const Element& e, const char* name) { return std::stod(Attr(e, name)); }

// A layer's elements of one kind, but for its legend swatch (its last child).
std::vector<const Element*> Marks(const Element& root, const char* layer, const char* element) {
  std::vector<const Element*> marks;
  const auto& children = ByClass(root, layer).at(0)->children;
  for (std::size_t k = 0; k + 1 < children.size(); ++k) {
    if (children[k].name == element) marks.push_back(&children[k]);
  }
  return marks;
}

std::string DataTexts(const Element& root) {
  return Attr(root, "data-at") + "|" + Attr(root, "data-ready") + "|" + Attr(root, "data-frames") +
         "|" + Attr(root, "data-wait") + "|" + Attr(root, "data-wait-ms");
}

// Every x (rects, circles, texts, each path's start) inside the width, and
// no event attribute.
void ExpectInsideTheWidth(const Element& e) {
  double right = e.attrs.count("x") ? Num(e, "x") : e.attrs.count("cx") ? Num(e, "cx") : 0;
  if (e.name == "rect" && e.attrs.count("x")) right += Num(e, "width");
  if (e.name == "path") right = std::stod(Attr(e, "d").substr(1));
  EXPECT_TRUE(right >= 0 && right <= 640) << e.name << " " << right;
  for (const auto& attr : e.attrs) EXPECT_NE(attr.first.substr(0, 2), "on");
  for (const auto& child : e.children) ExpectInsideTheWidth(child);
}

TEST(TimelineSvg, EveryFrameCountGivesABoundedWellFormedPicture) {
  struct Case {
    CalcInputs in;
    int32_t at;
    int shots;
    std::size_t cells;    // frame cells and blocks
    const char* summary;  // a summarised shot's block label, or nullptr
  };
  const Case cases[] = {
      {{0.45, 3, 60, 100}, 89, 5, 5, nullptr},  // 1 frame a shot
      {{0.45, 3, 60, 81}, 5, 3, 27, nullptr},   // 9
      {{0.33, 1, 60, 1}, 0, 3, 60, nullptr},    // 20: the most drawn one by one
      {{0.9996, 1, 1000, 1}, 0, 3, 12, "1 to 997"},
      {{0.9999999999, 1, 2147483647, 1}, 0, 3, 12, "1 to 2147483644"},
      {{1, 1, 2147483647, 1}, 0, 3, 12, "1 to 2147483644"},  // no wait at all
  };
  for (const auto& c : cases) {
    const ShotTimeline t = ComputeShotTimeline(c.in, c.at);
    const TimelineTexts texts = FormatShotTimeline(t);
    const std::string svg = RenderTimelineSvg(c.in, c.at);
    SCOPED_TRACE(texts.frames + " frames");
    const Element root = ParseSvg(svg);
    EXPECT_LT(svg.size(), 12000u);
    EXPECT_EQ(Attr(root, "viewBox"), "0 0 640 280");
    EXPECT_EQ(root.children.at(0).name, "title");
    EXPECT_EQ(DataTexts(root), texts.at + "|" + texts.ready + "|" + texts.frames + "|" +
                                   texts.wait + "|" + texts.waitMs);
    for (const char* banned : {"<script", "<style", "style=", "href", "url(", "<use", "<!"}) {
      EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
    }
    ExpectInsideTheWidth(root);
    const auto& frames = ByClass(root, "frames").at(0)->children;
    EXPECT_EQ(frames.size(), c.cells);
    if (c.summary) {
      EXPECT_NE(svg.find(std::string(">") + c.summary + "</text>"), std::string::npos);
    }

    // The waiting is `wait` of a cell wide, and without frames the k-th shot
    // is k times that ahead, both up to where the framed shot leaves.
    const double cell = Num(frames.back(), "width");
    const auto wait = Marks(root, "wait", "rect");
    const auto drift = Marks(root, "drift", "rect");
    ASSERT_EQ(wait.size(), static_cast<std::size_t>(c.shots));
    ASSERT_EQ(drift.size(), wait.size());
    EXPECT_EQ(Marks(root, "drift", "circle").size(), wait.size());
    for (int k = 0; k < c.shots; ++k) {
      EXPECT_NEAR(Num(*wait[k], "width"), t.wait * cell, 0.006);
      EXPECT_NEAR(Num(*drift[k], "width"), (k + 1) * t.wait * cell, 0.006);
      EXPECT_NEAR(Num(*wait[k], "x") + Num(*wait[k], "width"),
                  Num(*drift[k], "x") + Num(*drift[k], "width"), 1e-9);
    }
  }
}

TEST(TimelineSvg, NoShotSaysSoInWords) {
  const std::string svg = RenderTimelineSvg({100, 1, 60, 100}, 4);
  const Element root = ParseSvg(svg);
  EXPECT_EQ(Attr(root, "viewBox"), "0 0 640 90");
  EXPECT_EQ(DataTexts(root), "4||||");
  EXPECT_TRUE(ByClass(root, "frames").empty());
  EXPECT_NE(svg.find(">At 4 % there is no shot:</text>"), std::string::npos);
}

}  // namespace
