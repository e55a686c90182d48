#include "markdown_name.h"

#include "plain_text.h"

namespace {

// A letter or digit of a word: ASCII, or any byte of a non-ASCII character
// (a domain may hold é).
bool IsWordByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || u >= 0x80;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool NeedsEscape(std::string_view text, std::size_t k) {
  const char c = text[k];
  const char before = k > 0 ? text[k - 1] : ' ';
  const char after = k + 1 < text.size() ? text[k + 1] : ' ';
  switch (c) {
    case '\\':
    case '`':
    case '*':
    case '_':
    case '~':
    case '[':
    case ']':
    case '<':
      return true;
    case '&':
      return after == '#' || IsWordByte(after);
    case '.':
      return (IsWordByte(before) || before == '-' || before == '_') && IsWordByte(after);
    case ':':
      // A scheme: http://, //, mailto:me@...; "Sniper: long" stays.
      return after == '/' || (IsAsciiLetter(before) && after != ' ');
    case '#': {
      // A closing run: #s after a space (or alone), then at most spaces.
      const std::size_t rest = text.find_first_not_of('#', k);
      return before == ' ' && (rest == std::string_view::npos ||
                               text.find_first_not_of(' ', rest) == std::string_view::npos);
    }
    default:
      return false;
  }
}

}  // namespace

std::string MarkdownName(std::string_view name) {
  const std::string text = WithoutControls(name);
  std::string out;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (NeedsEscape(text, k)) out += '\\';
    out += text[k];
  }
  return out;
}
