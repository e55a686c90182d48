#include "cell_hint.h"

#include <algorithm>

#include "plain_text.h"
#include "utf8.h"

namespace {

// A whole number written with a thousands separator, as a spreadsheet's
// number format shows it: "1,000", "1 000", "1'000", "1.000.000". The number
// of groups after the first, with their separator; 0 for any other text.
std::size_t Groups(std::u32string_view t, char32_t& sep) {
  const auto digits = [&](std::size_t from, std::size_t n) {
    return from + n <= t.size() && std::all_of(t.begin() + from, t.begin() + from + n,
                                               [](char32_t c) { return c >= '0' && c <= '9'; });
  };
  std::size_t lead = 0;
  while (lead < t.size() && lead < 4 && digits(lead, 1)) ++lead;
  if (lead == 0 || lead > 3 || lead == t.size()) return 0;
  sep = t[lead];
  if (std::u32string_view(U",' \u00A0\u202F.").find(sep) == std::u32string_view::npos) return 0;
  std::size_t groups = 0;
  for (std::size_t k = lead; k < t.size(); k += 4, ++groups) {
    if (t[k] != sep || !digits(k + 1, 3)) return 0;
  }
  return groups;
}

}  // namespace

std::string CellHint(SetupInput input, std::string_view cell) {
  const std::u32string text = DecodeUtf8CodePoints(cell);
  const auto first = std::find_if_not(text.begin(), text.end(), IsTrimmed);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsTrimmed).base();
  const std::u32string_view t(first < last ? &*first : U"", first < last ? last - first : 0);
  if (input == SetupInput::kCompare) {
    return t.find('.') != t.npos ? "whole numbers are needed" : "";
  }
  if (t.find('%') != t.npos) return "without the % sign";
  // Leading white space is allowed in every field; white space after is not.
  if (last != text.end() && !t.empty()) return "without the space after the number";
  if (input == SetupInput::kBaseRea) return "";
  char32_t sep = 0;
  const std::size_t groups = Groups(t, sep);
  // "1.000": a thousand in German, one with three decimals in English.
  if (groups == 1 && sep == '.') return "a whole number is needed, without separators";
  if (groups > 0) return "without the thousands separator";
  if (t.find_first_of(U".,") != t.npos) return "a whole number is needed";
  return "";
}
