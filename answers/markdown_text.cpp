#include "markdown_text.h"

#include "standing_sentence.h"
#include "table_text.h"

namespace {

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

}  // namespace

std::string WriteMarkdownAnswer(const SetupAnswer& answer) {
  const std::string table = WritePageTable(answer);
  std::string out = "| ";
  std::size_t columns = 1;
  bool header = true;
  // The page's table has only numbers and headers in it: nothing to escape.
  for (const char c : table) {
    if (c == '\t') {
      out += " | ";
      columns += header;
    } else if (c == '\n') {
      out += " |\n";
      if (header) {
        for (std::size_t k = 0; k < columns; ++k) out += "|---:";
        out += "|\n";
        header = false;
      }
      out += "| ";
    } else {
      out += c;
    }
  }
  out.resize(out.size() - 2);  // the "| " opened after the last line
  if (answer.setup.at >= 0) {
    out += '\n';
    out += StandingSentence(answer.setup.inputs, answer.rows, answer.setup.at);
    out += '\n';
  }
  return out;
}

std::string MarkdownHeading(std::string_view name) {
  std::string out = "### ";
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      out += ' ';
      continue;
    }
    if (IsAsciiPunctuation(c)) out += '\\';
    out += c;
  }
  out += "\n\n";
  return out;
}
