// Answers as GitHub-flavoured Markdown, for forums and chats: the table the
// page shows, numbers right-aligned, then the standing sentence when a REA %
// is asked:
//   | REA | BPS | Frames |
//   |---:|---:|---:|
//   | 0 | 6.667 | 9 |
//   ...
//   (empty line)
//   At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak ...
// With frame rates compared, the columns are "REA | BPS @ 60 | BPS @ 120 ...".
#pragma once

#include <string>
#include <string_view>

#include "setup.h"

[[nodiscard]] std::string WriteMarkdownAnswer(const SetupAnswer& answer);

// "### NAME" and an empty line, a weapon's section heading. The name is
// text, never markup: every ASCII punctuation character is backslash-escaped
// (so no '*', '[', '<', '|', '`', '&', link or autolink can start), and
// control characters become spaces (a line break would end the heading).
[[nodiscard]] std::string MarkdownHeading(std::string_view name);
