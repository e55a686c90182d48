#include "format_row.h"

#include <charconv>

#include "float_chars.h"

namespace {

// Copies the ASCII text that to_chars wrote from `first` into a wide buffer;
// a text that did not fit leaves the cell empty rather than cut.
template <std::size_t N>
void Widen(const char* first, std::to_chars_result written, wchar_t (&out)[N]) {
  std::size_t n = 0;
  if (written.ec == std::errc{}) {
    for (; first != written.ptr && n + 1 < N; ++first) out[n++] = static_cast<wchar_t>(*first);
  }
  out[n] = L'\0';
}

std::string Narrow(const wchar_t* text) {
  std::string s;
  for (; *text; ++text) s += static_cast<char>(*text);  // cell texts are ASCII
  return s;
}

}  // namespace

void FormatBreakpointRow(const BreakpointRow& row, wchar_t (&reaText)[32],
                         wchar_t (&bpsText)[64]) noexcept {
  // to_chars gives the "%d" digits and ToChars the double's exact decimal
  // value rounded half-to-even: the same text with every toolchain, whatever
  // the locale (some runtimes' printf round ties away from zero).
  char ascii[64];
  Widen(ascii, std::to_chars(ascii, ascii + sizeof ascii, row.reaPercent), reaText);
  Widen(ascii, ToChars(ascii, ascii + sizeof ascii, row.bps, std::chars_format::fixed, 3), bpsText);
}

RowTexts FormatRowTexts(const CalcInputs& inputs, const BreakpointRow& row) {
  wchar_t rea[32];
  wchar_t bps[64];
  FormatBreakpointRow(row, rea, bps);
  RowTexts texts{Narrow(rea), Narrow(bps), {}};
  if (row.bps != 0.0) {
    char digits[16];
    const int32_t frames = QuantiseAtPercent(inputs, row.reaPercent).framesPerShot;
    texts.frames.assign(digits, std::to_chars(digits, digits + sizeof digits, frames).ptr);
  }
  return texts;
}
