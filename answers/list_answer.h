// Every weapon of a weapon list answered, in file order, in one format: what
// reacalc-cli --list prints, and the package's framebreaksList.
//   kTsv, kCsv   one table NAME REA BPS FRAMES (table_text.h)
//   kJson        an array, an object per line: {"line": 2, "name": "Rifle",
//                "rows": [...], ...} or {"line": 5, "name": ..., "error": {...}}
//   kMarkdown    a "### NAME" section per weapon (markdown_text.h)
//   kWiki        a table per weapon, its name the caption (wiki_text.h)
// Each failing line goes to `err` (WeaponFailureText), and the exit code is
// 1; a file that is no list at all gives its message alone.
#pragma once

#include <string>
#include <string_view>

#include "answer_text.h"

struct ListAnswer {
  int exitCode = 0;
  std::string out;
  std::string err;
};

[[nodiscard]] ListAnswer AnswerList(TextFormat format, std::string_view bytes);

// Why a list could not be read at all: "Cannot read the weapon list
// NAME." (UTF-8, control characters as spaces), or "... from standard
// input." for "-".
[[nodiscard]] std::string CannotReadList(std::string_view name);
