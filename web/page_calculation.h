// What the page shows for the four texts of its fields, as one text the
// page's script splits:
//   the first bad field:  "!" and that field's message ("!Enter valid FPS > 0")
//   all four accepted:    one "REA<TAB>BPS" line per row with the table's cell
//                         texts, an empty line, then the chart of svg_chart.h
// Fields are judged in the order BaseRea, FiringMode, Fps, Rea, each by its
// rule, as the window does. A text holding U+0000 (a share link can carry
// one; nobody can type it) fails its field: the character is not the end of
// the text, so it is trailing text.
#pragma once

#include <cstddef>
#include <string>

struct FieldText {
  const wchar_t* text;  // NUL-terminated at text[length]
  std::size_t length;
};

[[nodiscard]] std::string CalculatePage(const FieldText (&fields)[4]);
