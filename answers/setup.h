// A player's question as the texts they typed: the four fields, then the
// optional REA % and frame rates to compare. Every face (the CLI, the page,
// a weapon list's lines, the package) judges them here, in one order, and
// computes the answer here, so their outputs come from the same values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "answer_inputs.h"
#include "breakpoint_table.h"
#include "calc_inputs.h"
#include "comparison.h"

enum class SetupInput { kBaseRea, kFiringMode, kFps, kRea, kAt, kCompare };
inline constexpr int kSetupInputs = 6;

// The names a share link and a weapon list give the inputs: "baseRea",
// "firingMode", "fps", "rea", "at", "compare".
[[nodiscard]] const char* SetupInputName(SetupInput input) noexcept;

// texts[k] is the text of SetupInput k, NUL-terminated. The REA % and the
// frame rates may be null: that answer is not asked.
using SetupTexts = std::array<const wchar_t*, kSetupInputs>;

struct Setup {
  CalcInputs inputs{};
  int32_t at = -1;  // the REA % asked about; -1 when not asked
  bool comparing = false;
  FrameRateList compare{};  // when comparing
};

struct SetupError {
  SetupInput input;
  std::string message;  // ASCII: "Enter valid FPS > 0"
};

// The four fields by their rules, then the REA % (its range depends on Rea),
// then the frame rates; the first input that fails is the answer.
[[nodiscard]] std::variant<Setup, SetupError> JudgeSetup(const SetupTexts& texts);

// Everything a setup asks, computed once; every writer reads this.
struct SetupAnswer {
  Setup setup;
  std::vector<BreakpointRow> rows;
  Comparison comparison;  // empty unless setup.comparing
};
[[nodiscard]] SetupAnswer AnswerSetup(const Setup& setup);
