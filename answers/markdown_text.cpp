#include "markdown_text.h"

#include <algorithm>

#include "markdown_name.h"
#include "standing_sentence.h"

std::string WriteMarkdownTable(const TextTable& table) {
  std::vector<std::size_t> widths;
  for (const auto& header : table.headers) widths.push_back(header.size());
  for (const auto& row : table.rows) {
    for (std::size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], row[k].size());
  }
  // The cells are ASCII: a byte is a column of a monospace font.
  const auto line = [&](std::string& out, const std::vector<std::string>& cells) {
    for (std::size_t k = 0; k < cells.size(); ++k) {
      out += "| " + std::string(widths[k] - cells[k].size(), ' ') + cells[k] + ' ';
    }
    out += "|\n";
  };
  std::string out;
  line(out, table.headers);
  for (const std::size_t width : widths) out += '|' + std::string(width + 1, '-') + ':';
  out += "|\n";
  for (const auto& row : table.rows) line(out, row);
  return out;
}

std::string WriteMarkdownAnswer(const SetupAnswer& answer) {
  return WriteMarkdownTable(PageTable(answer)) + StandingParagraph(answer);
}

std::string MarkdownHeading(std::string_view name) { return "### " + MarkdownName(name) + "\n\n"; }
