// The page's entry points, called from app.js: the script writes each field's
// UTF-16 code units, one per wchar_t, into that field's buffer, then calls
// reacalc_calculate with the six lengths and what it wants (0 what the page
// shows, 1 the table to copy, 2 its CSV) and reads the NUL-terminated UTF-8
// text it returns (page_calculation.h).
#include <emscripten/emscripten.h>

#include "page_calculation.h"

namespace {

// Like the window's fields: at most 63 characters and the terminator; the
// script cuts longer texts (a share link's) to 63 code units before writing.
wchar_t fieldTexts[kPageFields][64];
std::string result;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE wchar_t* reacalc_field(int index) {
  return fieldTexts[index >= 0 && index < kPageFields ? index : 0];
}

EMSCRIPTEN_KEEPALIVE const char* reacalc_calculate(int baseRea, int firingMode, int fps, int rea,
                                                   int at, int compare, int answer) {
  const int lengths[kPageFields] = {baseRea, firingMode, fps, rea, at, compare};
  FieldText fields[kPageFields];
  for (int i = 0; i < kPageFields; ++i) {
    const int length = lengths[i] < 0 ? 0 : lengths[i] > 63 ? 63 : lengths[i];
    fieldTexts[i][length] = L'\0';
    fields[i] = {fieldTexts[i], static_cast<std::size_t>(length)};
  }
  result = CalculatePage(fields, answer == 1   ? PageAnswer::kTable
                                 : answer == 2 ? PageAnswer::kCsv
                                               : PageAnswer::kShown);
  return result.c_str();
}

}  // extern "C"
