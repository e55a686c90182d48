#include "calc_inputs.h"

#include "number_scan.h"
#include "real_convert.h"

namespace {

FieldResult<int32_t> ParsePositiveInteger(const wchar_t* text, const wchar_t* message) {
  int32_t value = 0;
  if (ScanInteger(text, value) && value >= 1) return value;
  return InputValidationError{message};
}

// Moves a field's value into place, or its message into error.
template <class T>
bool Take(const FieldResult<T>& result, T& value, InputValidationError& error) {
  if (const auto* failure = std::get_if<InputValidationError>(&result)) {
    error = *failure;
    return false;
  }
  value = std::get<T>(result);
  return true;
}

}  // namespace

FieldResult<double> ParseBaseRea(const wchar_t* text) noexcept {
  ScannedReal scanned;
  if (ScanReal(text, scanned)) {
    const double value = ConvertReal(scanned);
    if (value > 0.0) return value;  // NaN fails here too
  }
  return InputValidationError{kBaseReaMessage};
}

FieldResult<int32_t> ParseFiringMode(const wchar_t* text) noexcept {
  return ParsePositiveInteger(text, kFiringModeMessage);
}

FieldResult<int32_t> ParseFps(const wchar_t* text) noexcept {
  return ParsePositiveInteger(text, kFpsMessage);
}

FieldResult<int32_t> ParseReaLimit(const wchar_t* text) noexcept {
  return ParsePositiveInteger(text, kReaLimitMessage);
}

FieldResult<CalcInputs> ParseCalcInputs(const wchar_t* baseRea, const wchar_t* firingMode,
                                        const wchar_t* fps, const wchar_t* reaLimit) noexcept {
  CalcInputs inputs{};
  InputValidationError error{};
  // && keeps the field order: once a field fails, later ones are not looked at.
  if (Take(ParseBaseRea(baseRea), inputs.baseRea, error) &&
      Take(ParseFiringMode(firingMode), inputs.firingMode, error) &&
      Take(ParseFps(fps), inputs.fps, error) &&
      Take(ParseReaLimit(reaLimit), inputs.reaLimit, error))
    return inputs;
  return error;
}
