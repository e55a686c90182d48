// Answers as GitHub-flavoured Markdown, for forums and chats: the table the
// page shows, numbers right-aligned and padded so the raw text lines up in a
// monospace font (many chats show it unrendered, or in a code block), then
// the standing sentence when a REA % is asked:
//   | REA |    BPS | Frames |
//   |----:|-------:|-------:|
//   |   0 |  6.667 |      9 |
//   ...
//   (empty line)
//   At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak ...
// A column is as wide as its longest text w; each cell is a space, the text
// right-aligned to w, and a space; each delimiter cell w + 1 hyphens and a
// colon. With frame rates compared, the columns are "REA | BPS @ 60 | ...".
#pragma once

#include <string>
#include <string_view>

#include "answer_model.h"

[[nodiscard]] std::string WriteMarkdownTable(const TextTable& table);
[[nodiscard]] std::string WriteMarkdownAnswer(const SetupAnswer& answer);

// "### NAME" and an empty line, a weapon's section heading. The name is text,
// never markup, and reads as typed: a character is backslash-escaped only
// where it could start or end markup where it stands (markdown_name.h).
[[nodiscard]] std::string MarkdownHeading(std::string_view name);
