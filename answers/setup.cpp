#include "setup.h"

namespace {

std::string Ascii(const wchar_t* message) {
  std::string s;
  for (; *message; ++message) s += static_cast<char>(*message);  // messages are ASCII
  return s;
}

// Moves an accepted value into place, or records the input's message.
template <class T, class Error>
bool Take(const std::variant<T, Error>& result, SetupInput input, T& value,
          std::variant<Setup, SetupError>& answer) {
  if (const auto* error = std::get_if<Error>(&result)) {
    answer = SetupError{input, Ascii(error->message)};
    return false;
  }
  value = std::get<T>(result);
  return true;
}

}  // namespace

const char* SetupInputName(SetupInput input) noexcept {
  static constexpr const char* kNames[kSetupInputs] = {"baseRea", "firingMode", "fps",
                                                       "rea",     "at",         "compare"};
  return kNames[static_cast<int>(input)];
}

std::variant<Setup, SetupError> JudgeSetup(const SetupTexts& texts) {
  using enum SetupInput;
  std::variant<Setup, SetupError> answer;
  Setup s;
  const auto text = [&](SetupInput input) { return texts[static_cast<int>(input)]; };
  if (!Take(ParseBaseRea(text(kBaseRea)), kBaseRea, s.inputs.baseRea, answer) ||
      !Take(ParseFiringMode(text(kFiringMode)), kFiringMode, s.inputs.firingMode, answer) ||
      !Take(ParseFps(text(kFps)), kFps, s.inputs.fps, answer) ||
      !Take(ParseReaLimit(text(kRea)), kRea, s.inputs.reaLimit, answer)) {
    return answer;
  }
  if (text(kAt) && !Take(ParseStandingPercent(text(kAt), s.inputs), kAt, s.at, answer)) {
    return answer;
  }
  s.comparing = text(kCompare) != nullptr;
  if (s.comparing && !Take(ParseFrameRateList(text(kCompare)), kCompare, s.compare, answer)) {
    return answer;
  }
  return s;
}

SetupAnswer AnswerSetup(const Setup& setup) {
  SetupAnswer answer{setup, ComputeBreakpointTable(setup.inputs), {}};
  if (setup.comparing) answer.comparison = CompareFrameRates(setup.inputs, setup.compare);
  return answer;
}
