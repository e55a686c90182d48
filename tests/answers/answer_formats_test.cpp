// Each format pinned to its exact text for the same answers, so the faces'
// comparisons with one another are not the only check: a column that stops
// lining up, a cell that drifts from another format, a name that escapes.
#include <gtest/gtest.h>

#include <string>

#include "answer_text.h"
#include "list_answer.h"

namespace {

SetupAnswer Answer(int32_t at, std::initializer_list<int32_t> compare = {}) {
  Setup setup{{0.45, 3, 60, 20}, at, compare.size() > 0, {}};
  for (const int32_t fps : compare) setup.compare.fps[setup.compare.count++] = fps;
  return AnswerSetup(setup);
}

TEST(AnswerFormats, OneAnswerInEveryFormat) {
  const std::string sentence =
      "\nAt 15 %: 7.500 BPS (8 frames a shot) since 12 %. No further framebreak up to 19 %.\n";
  const struct {
    TextFormat format;
    SetupAnswer answer;
    std::string text;
  } cases[] = {
      {TextFormat::kTsv, Answer(-1), "REA\tBPS\tFRAMES\n0\t6.667\t9\n12\t7.500\t8\n"},
      {TextFormat::kCsv, Answer(15),
       "AT,BPS,FRAMES,SINCE,NEXT,NEXT_BPS,NEXT_FRAMES\r\n15,7.500,8,12,,,\r\n"},
      {TextFormat::kTsv, Answer(-1, {144}),
       "REA\tBPS@60\tBPS@144\n0\t6.667\t6.545\n3\t6.667\t6.857\n8\t6.667\t7.200\n"
       "12\t7.500\t7.200\n13\t7.500\t7.579\n17\t7.500\t8.000\n"},
      {TextFormat::kJson, Answer(15),
       "{\"rows\": [{\"rea\": 0, \"bps\": 6.667, \"frames\": 9}, {\"rea\": 12, \"bps\": 7.500, "
       "\"frames\": 8}], \"standing\": {\"at\": 15, \"bps\": 7.500, \"frames\": 8, \"since\": 12, "
       "\"next\": null}}\n"},
      {TextFormat::kMarkdown, Answer(15),
       "| REA |   BPS | Frames |\n|----:|------:|-------:|\n|   0 | 6.667 |      9 |\n"
       "|  12 | 7.500 |      8 |\n" +
           sentence},
      {TextFormat::kMarkdown, Answer(-1, {144}),
       "| REA | BPS @ 60 | BPS @ 144 |\n|----:|---------:|----------:|\n"
       "|   0 |    6.667 |     6.545 |\n|   3 |    6.667 |     6.857 |\n"
       "|   8 |    6.667 |     7.200 |\n|  12 |    7.500 |     7.200 |\n"
       "|  13 |    7.500 |     7.579 |\n|  17 |    7.500 |     8.000 |\n"},
      {TextFormat::kWiki, Answer(15),
       "{| class=\"wikitable\"\n! REA !! BPS !! Frames\n|-\n| 0 || 6.667 || 9\n|-\n"
       "| 12 || 7.500 || 8\n|}\n" +
           sentence},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WriteAnswer(c.format, c.answer, true), c.text) << static_cast<int>(c.format);
  }
}

// A name in each format: safe for a spreadsheet, a terminal, a renderer.
TEST(AnswerFormats, NamesOfAList) {
  const std::string list =
      "name,baseRea,firingMode,fps,rea\n\"=HYPERLINK(\"\"x\"\")\",100,1,60,1\n"
      "\"a\x1b[1m\xC2\x9B, www.x.io #\",100,1,60,1\n";
  const struct {
    TextFormat format;
    std::string text;
  } cases[] = {
      {TextFormat::kTsv,
       "NAME\tREA\tBPS\tFRAMES\n'=HYPERLINK(\"x\")\t0\t0.000\t\n"
       "a [1m , www.x.io #\t0\t0.000\t\n"},
      {TextFormat::kCsv,
       "NAME,REA,BPS,FRAMES\r\n\"'=HYPERLINK(\"\"x\"\")\",0,0.000,\r\n"
       "\"a [1m , www.x.io #\",0,0.000,\r\n"},
      {TextFormat::kJson,
       "[\n{\"line\": 2, \"name\": \"=HYPERLINK(\\\"x\\\")\", \"rows\": [{\"rea\": 0, \"bps\": "
       "0.000, \"frames\": null}]},\n{\"line\": 3, \"name\": \"a\\u001b[1m\\u009b, www.x.io #\", "
       "\"rows\": [{\"rea\": 0, \"bps\": 0.000, \"frames\": null}]}\n]\n"},
      {TextFormat::kMarkdown,
       "### =HYPERLINK(\"x\")\n\n| REA |   BPS | Frames |\n|----:|------:|-------:|\n"
       "|   0 | 0.000 |        |\n\n### a \\[1m , www\\.x\\.io \\#\n\n| REA |   BPS | Frames |\n"
       "|----:|------:|-------:|\n|   0 | 0.000 |        |\n"},
      {TextFormat::kWiki,
       "{| class=\"wikitable\"\n|+ <nowiki>=HYPERLINK(\"x\")</nowiki>\n! REA !! BPS !! Frames\n"
       "|-\n| 0 || 0.000 || \n|}\n\n{| class=\"wikitable\"\n|+ <nowiki>a [1m , www.x.io "
       "#</nowiki>\n! REA !! BPS !! Frames\n|-\n| 0 || 0.000 || \n|}\n"},
  };
  for (const auto& c : cases) {
    const ListAnswer answer = AnswerList(c.format, list);
    EXPECT_EQ(answer.out, c.text) << static_cast<int>(c.format);
    EXPECT_EQ(answer.exitCode, 0);
  }
}

}  // namespace
