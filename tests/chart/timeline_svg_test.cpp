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

// A layer's elements of one kind in order, but for its legend swatch (the
// layer's last child).
std::vector<const Element*> Marks(const Element& root, const std::string& layer,
                                  const std::string& element) {
  std::vector<const Element*> marks;
  const auto& children = ByClass(root, layer).at(0)->children;
  for (std::size_t k = 0; k + 1 < children.size(); ++k) {
    if (children[k].name == element) marks.push_back(&children[k]);
  }
  return marks;
}

// Every x (rects, circles, texts, and the start of each path) inside the
// width, and no event attribute.
void ExpectInsideTheWidth(const Element& e) {
  for (const char* name : {"x", "cx"}) {
    if (e.attrs.count(name)) {
      EXPECT_TRUE(Num(e, name) >= 0 && Num(e, name) <= 640) << e.name;
    }
  }
  if (e.name == "rect" && e.attrs.count("x")) {
    EXPECT_LE(Num(e, "x") + Num(e, "width"), 640);
  }
  if (e.name == "path") {
    EXPECT_LE(std::stod(Attr(e, "d").substr(1)), 640);
  }
  for (const auto& [name, value] : e.attrs) EXPECT_NE(name.substr(0, 2), "on");
  for (const auto& child : e.children) ExpectInsideTheWidth(child);
}

TEST(TimelineSvg, EveryFrameCountGivesABoundedWellFormedPicture) {
  struct Case {
    CalcInputs in;
    int32_t at;
    int shots;
    int cells;            // frame cells drawn in all
    const char* summary;  // a summarised shot's block label, or nullptr
  };
  const Case cases[] = {
      {{0.45, 3, 60, 100}, 89, 5, 5, nullptr},  // 1 frame a shot
      {{0.45, 3, 60, 81}, 37, 3, 18, nullptr},
      {{0.45, 3, 60, 81}, 5, 3, 27, nullptr},  // 9
      {{0.33, 1, 60, 1}, 0, 3, 60, nullptr},   // 20: the last with every frame
      {{0.345, 1, 60, 1}, 0, 3, 9, "1 to 18"},
      {{0.9996, 1, 1000, 1}, 0, 3, 9, "1 to 997"},
      {{0.9999999999, 1, 2147483647, 1}, 0, 3, 9, "1 to 2147483644"},
      {{1, 1, 2147483647, 1}, 0, 3, 9, "1 to 2147483644"},  // no wait at all
  };
  for (const auto& c : cases) {
    const ShotTimeline t = ComputeShotTimeline(c.in, c.at);
    const TimelineTexts texts = FormatShotTimeline(t);
    const std::string svg = RenderTimelineSvg(c.in, c.at);
    SCOPED_TRACE(texts.frames + " frames");
    const Element root = ParseSvg(svg);
    EXPECT_LT(svg.size(), 12000u);
    EXPECT_EQ(Attr(root, "viewBox"), "0 0 640 280");
    EXPECT_EQ(Attr(root, "class"), "reacalc-timeline");
    EXPECT_EQ(root.children.at(0).name, "title");
    const std::pair<const char*, std::string> data[] = {{"data-at", texts.at},
                                                        {"data-ready", texts.ready},
                                                        {"data-frames", texts.frames},
                                                        {"data-wait", texts.wait},
                                                        {"data-wait-ms", texts.waitMs}};
    for (const auto& [name, text] : data) EXPECT_EQ(Attr(root, name), text) << name;
    for (const char* banned : {"<script", "<style", "style=", "href", "url(", "<use", "<!"})
      EXPECT_EQ(svg.find(banned), std::string::npos) << banned;
    ExpectInsideTheWidth(root);

    // One circle per shot without frames; the cells, and blocks labelled.
    EXPECT_EQ(static_cast<int>(Marks(root, "drift", "circle").size()), c.shots);
    const auto frames = ByClass(root, "frames").at(0)->children;
    const int blocks = c.summary ? c.shots : 0;
    EXPECT_EQ(static_cast<int>(frames.size()), c.cells + blocks);
    if (c.summary) {
      EXPECT_NE(svg.find(std::string(">") + c.summary + "</text>"), std::string::npos);
    }

    // The waiting is `wait` of a cell wide, and without frames the k-th shot
    // is k times that ahead: the drift grows.
    const double cell = Num(frames.back(), "width");
    const auto wait = Marks(root, "wait", "rect");
    const auto drift = Marks(root, "drift", "rect");
    ASSERT_EQ(static_cast<int>(wait.size()), c.shots);
    ASSERT_EQ(static_cast<int>(drift.size()), c.shots);
    for (int k = 0; k < c.shots; ++k) {
      EXPECT_NEAR(Num(*wait[k], "width"), t.wait * cell, 0.006);
      EXPECT_NEAR(Num(*drift[k], "width"), (k + 1) * t.wait * cell, 0.006);
      // Both end where the framed shot leaves.
      EXPECT_NEAR(Num(*wait[k], "x") + Num(*wait[k], "width"),
                  Num(*drift[k], "x") + Num(*drift[k], "width"), 1e-9);
    }
  }
}

TEST(TimelineSvg, NoShotSaysSoInWords) {
  const std::string svg = RenderTimelineSvg({100, 1, 60, 100}, 4);
  const Element root = ParseSvg(svg);
  EXPECT_EQ(Attr(root, "viewBox"), "0 0 640 90");
  EXPECT_EQ(Attr(root, "data-at"), "4");
  for (const char* name : {"data-ready", "data-frames", "data-wait", "data-wait-ms"})
    EXPECT_EQ(Attr(root, name), "") << name;
  EXPECT_TRUE(ByClass(root, "frames").empty());
  EXPECT_NE(svg.find(">At 4 % there is no shot:</text>"), std::string::npos);
}

}  // namespace
