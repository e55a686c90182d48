#include "answer_inputs.h"

#include <charconv>
#include <string>

#include "breakpoint_table.h"
#include "characters.h"
#include "number_scan.h"

namespace {

AnswerInputError StandingPercentError(int32_t largest) {
  AnswerInputError error{};
  constexpr char kText[] = "Enter your REA % from 0 to ";
  char ascii[sizeof kText + 12];
  std::copy(kText, kText + sizeof kText - 1, ascii);
  const auto end = std::to_chars(ascii + sizeof kText - 1, ascii + sizeof ascii, largest).ptr;
  std::size_t n = 0;
  for (const char* c = ascii; c != end; ++c) error.message[n++] = static_cast<wchar_t>(*c);
  error.message[n] = L'\0';
  return error;
}

AnswerInputError FrameRateListError() {
  AnswerInputError error{};
  std::copy(std::begin(kFrameRateListMessage), std::end(kFrameRateListMessage), error.message);
  return error;
}

bool IsSeparator(wchar_t c) { return c == L',' || IsFieldWhiteSpace(c); }

}  // namespace

AnswerResult<int32_t> ParseStandingPercent(const wchar_t* text, const CalcInputs& inputs) noexcept {
  const int32_t largest = ScannedPercentages(inputs) - 1;
  int32_t percent = 0;
  if (ScanInteger(text, percent) && percent >= 0 && percent <= largest) return percent;
  return StandingPercentError(largest);
}

AnswerResult<FrameRateList> ParseFrameRateList(const wchar_t* text) {
  FrameRateList list{};
  for (const wchar_t* p = text; *p;) {
    if (IsSeparator(*p)) {
      ++p;
      continue;
    }
    const wchar_t* end = p;
    while (*end && !IsSeparator(*end)) ++end;
    // A piece can be any length ("000...0120" is 120), so it gets its own copy.
    const std::wstring piece(p, end);
    const auto fps = ParseFps(piece.c_str());
    if (list.count == kMaxOtherFrameRates || !std::holds_alternative<int32_t>(fps))
      return FrameRateListError();
    list.fps[list.count++] = std::get<int32_t>(fps);
    p = end;
  }
  if (list.count == 0) return FrameRateListError();
  return list;
}
