// One setup's answer in the format asked for, as every face writes it: the
// CLI prints this, the page copies and downloads it, the package returns it.
//   kTsv, kCsv  the table (table_text.h): rows, with FRAMES when asked; the
//               standing record with a REA %; the comparison with frame rates
//   kSvg        the chart (svg_chart.h), its marker and series included
//   kJson, kMarkdown, kWiki   json_text.h, markdown_text.h, wiki_text.h
#pragma once

#include <string>

#include "setup.h"

enum class TextFormat { kTsv, kCsv, kSvg, kJson, kMarkdown, kWiki };
inline constexpr int kTextFormats = 6;

[[nodiscard]] std::string WriteAnswer(TextFormat format, const SetupAnswer& answer, bool frames);

// The shot timeline at the setup's REA %, in TSV, CSV, JSON or SVG.
[[nodiscard]] std::string WriteTimeline(TextFormat format, const Setup& setup);

// A setup that failed: the JSON error for kJson, nothing for the rest (the
// message alone goes to stderr).
[[nodiscard]] std::string WriteSetupError(TextFormat format, const SetupError& error);
