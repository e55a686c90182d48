// The page's entry points, called from app.js: the script writes each field's
// UTF-16 code units, one per wchar_t, into that field's buffer, then calls
// reacalc_calculate with the six lengths and what it wants (0 what the page
// shows, 1 the table to copy, 2 its CSV, 3 its Markdown, 4 its wikitext, 5 the
// shot timeline) and
// reads the NUL-terminated UTF-8 text it returns (page_calculation.h).
// A weapon list to import: the script asks reacalc_list_buffer for room for
// the file's bytes, writes them there and calls reacalc_read_list, which
// returns page_list.h's JSON text, NUL-terminated.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "page_calculation.h"
#include "page_list.h"

namespace {

// Like the window's fields: at most 63 characters and the terminator; the
// script cuts longer texts (a share link's) to 63 code units before writing.
wchar_t fieldTexts[kPageFields][64];
std::string result;

// The bytes of the last list asked for: one file at a time, freed by the
// next request or once read.
struct FreeBytes {
  void operator()(char* bytes) const { std::free(bytes); }
};
std::unique_ptr<char, FreeBytes> listBytes;
std::size_t listSize = 0;

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
  constexpr PageAnswer kAnswers[] = {PageAnswer::kShown, PageAnswer::kTable,
                                     PageAnswer::kCsv,   PageAnswer::kMarkdown,
                                     PageAnswer::kWiki,  PageAnswer::kTimeline};
  result = CalculatePage(fields, answer >= 1 && answer <= 5 ? kAnswers[answer] : kAnswers[0]);
  return result.c_str();
}

// Room for `size` bytes, or null when there is none.
EMSCRIPTEN_KEEPALIVE char* reacalc_list_buffer(int size) {
  listBytes.reset();
  listSize = 0;
  if (size < 0) return nullptr;
  listBytes.reset(static_cast<char*>(std::malloc(size > 0 ? size : 1)));
  if (listBytes) listSize = static_cast<std::size_t>(size);
  return listBytes.get();
}

EMSCRIPTEN_KEEPALIVE const char* reacalc_read_list() {
  result.clear();
  result.shrink_to_fit();  // room for the list's answer
  result = ReadPageList(std::string_view(listBytes.get(), listSize));
  listBytes.reset();
  listSize = 0;
  return result.c_str();
}

}  // extern "C"
