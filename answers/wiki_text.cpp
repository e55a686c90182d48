#include "wiki_text.h"

#include "standing_sentence.h"
#include "table_text.h"

namespace {

void AppendCaption(std::string& out, std::string_view caption) {
  out += "|+ <nowiki>";
  for (const char c : caption) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += u < 0x20 || u == 0x7F ? ' ' : c;
    }
  }
  out += "</nowiki>\n";
}

}  // namespace

std::string WriteWikiAnswer(const SetupAnswer& answer, std::string_view caption) {
  std::string out = "{| class=\"wikitable\"\n";
  if (!caption.empty()) AppendCaption(out, caption);
  // The page's table has only numbers and headers in it: nothing to escape.
  const std::string table = WritePageTable(answer);
  bool header = true;
  out += "! ";
  for (const char c : table) {
    if (c == '\t') {
      out += header ? " !! " : " || ";
    } else if (c == '\n') {
      out += "\n|-\n| ";
      header = false;
    } else {
      out += c;
    }
  }
  out.resize(out.size() - 5);  // the "|-" and "| " opened after the last line
  out += "|}\n";
  if (answer.setup.at >= 0) {
    out += '\n';
    out += StandingSentence(answer.setup.inputs, answer.rows, answer.setup.at);
    out += '\n';
  }
  return out;
}
