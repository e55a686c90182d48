// Any text a field can hold (up to 63 code units, of any value a wchar_t can
// take) gives either a value in the field's range or exactly that field's
// message, without undefined behaviour or a read past the terminator; and
// ParseCalcInputs agrees with the rule for the field the text is put in.
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <type_traits>
#include <variant>

#include "calc_inputs.h"
#include "fuzz_input.h"

namespace {

constexpr std::size_t kFieldCapacity = 63;  // a 64-character buffer, less the terminator
constexpr uint16_t kWideEscape = 0xFFFE;    // the next 4 bytes are one whole wchar_t

// Two bytes per code unit, so every UTF-16 unit is reachable; the escape brings
// in full 32-bit values (Linux's wchar_t), where a narrowing bug would show.
std::wstring WideText(FuzzBytes& in) {
  std::wstring text;
  while (in.size >= 2 && text.size() < kFieldCapacity) {
    const auto unit = in.Value<uint16_t>();
    wchar_t c = static_cast<wchar_t>(unit);
    if (unit == kWideEscape && in.size >= 4) c = static_cast<wchar_t>(in.Value<int32_t>());
    if (c == L'\0') break;
    text.push_back(c);
  }
  return text;
}

template <class T>
void CheckField(const FieldResult<T>& result, const wchar_t* message) {
  if (const auto* error = std::get_if<InputValidationError>(&result)) {
    // The text counts, not where it is stored.
    if (std::wcscmp(error->message, message) != 0) std::abort();
    return;
  }
  const T value = std::get<T>(result);
  if constexpr (std::is_same_v<T, double>) {
    if (!(value > 0.0)) std::abort();  // NaN fails this too
  } else if (value < 1) {
    std::abort();
  }
}

// The same text through ParseCalcInputs, the other three fields at their
// defaults: the outcome must be the one rule's.
template <class T>
void CheckCombined(const FieldResult<T>& single, const FieldResult<CalcInputs>& combined,
                   T CalcInputs::*field) {
  if (single.index() != combined.index()) std::abort();
  if (const auto* error = std::get_if<InputValidationError>(&single)) {
    if (std::wcscmp(std::get<InputValidationError>(combined).message, error->message) != 0)
      std::abort();
    return;
  }
  const T a = std::get<T>(single);
  const T b = std::get<CalcInputs>(combined).*field;
  if (std::memcmp(&a, &b, sizeof a) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzBytes in{data, size};
  const unsigned slot = in.Byte() % 4;
  const auto text = ExactCopy(WideText(in));
  const wchar_t* t = text.get();

  const auto baseRea = ParseBaseRea(t);
  const auto firingMode = ParseFiringMode(t);
  const auto fps = ParseFps(t);
  const auto reaLimit = ParseReaLimit(t);
  CheckField(baseRea, kBaseReaMessage);
  CheckField(firingMode, kFiringModeMessage);
  CheckField(fps, kFpsMessage);
  CheckField(reaLimit, kReaLimitMessage);

  switch (slot) {
    case 0:
      CheckCombined(baseRea, ParseCalcInputs(t, L"3", L"60", L"81"), &CalcInputs::baseRea);
      break;
    case 1:
      CheckCombined(firingMode, ParseCalcInputs(L"0.45", t, L"60", L"81"), &CalcInputs::firingMode);
      break;
    case 2:
      CheckCombined(fps, ParseCalcInputs(L"0.45", L"3", t, L"81"), &CalcInputs::fps);
      break;
    default:
      CheckCombined(reaLimit, ParseCalcInputs(L"0.45", L"3", L"60", t), &CalcInputs::reaLimit);
      break;
  }
  return 0;
}
