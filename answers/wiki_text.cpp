#include "wiki_text.h"

#include "plain_text.h"
#include "standing_sentence.h"

namespace {

void AppendCaption(std::string& out, std::string_view caption) {
  out += "|+ <nowiki>";
  for (const char c : WithoutControls(caption)) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  out += "</nowiki>\n";
}

void AppendCells(std::string& out, const std::vector<std::string>& cells, const char* between) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) out += between;
    out += cells[k];
  }
  out += '\n';
}

}  // namespace

std::string WriteWikiTable(const TextTable& table, std::string_view caption) {
  std::string out = "{| class=\"wikitable\"\n";
  if (!caption.empty()) AppendCaption(out, caption);
  out += "! ";
  AppendCells(out, table.headers, " !! ");
  for (const auto& row : table.rows) {
    out += "|-\n| ";
    AppendCells(out, row, " || ");
  }
  return out + "|}\n";
}

std::string WriteWikiAnswer(const SetupAnswer& answer, std::string_view caption) {
  return WriteWikiTable(PageTable(answer), caption) + StandingParagraph(answer);
}
