// The player's two optional inputs beside the four fields: the REA % they
// stand at, and other frame rates to set beside the main Fps. A face judges
// them only once the four fields are accepted (a bad field is named first),
// the REA % before the list.
#pragma once

#include <cstdint>
#include <variant>

#include "calc_inputs.h"

// The message of a bad answer input. Held by value: the REA % message names
// the largest percentage, which depends on the inputs.
struct AnswerInputError {
  wchar_t message[48];
};

template <class T>
using AnswerResult = std::variant<T, AnswerInputError>;

// The integer rule of the Fps field (white space, digit sets, saturation,
// whole text), then 0 .. ScannedPercentages(inputs) - 1. Anything else gives
// "Enter your REA % from 0 to N" with N that largest percentage:
//   "37" -> 37   " 0" -> 0   "007" -> 7   with Rea 81: "81", "-1", "3.0", "" -> "... from 0 to 80"
[[nodiscard]] AnswerResult<int32_t> ParseStandingPercent(const wchar_t* text,
                                                         const CalcInputs& inputs) noexcept;

inline constexpr int kMaxOtherFrameRates = 4;

struct FrameRateList {
  int32_t fps[kMaxOtherFrameRates];
  int count;  // 1..4
};

inline constexpr wchar_t kFrameRateListMessage[] = L"Enter 1 to 4 frame rates > 0 to compare";

// Pieces split at ',' and at field white space, empty pieces ignored; each
// piece by the Fps rule; 1 to 4 pieces, kept in order (duplicates included:
// the comparison drops them). Anything else gives kFrameRateListMessage:
//   "120, 144", "120 144", "120,,144" -> [120, 144]
//   "", " , ", "6e1", "60;120", "0", "1,2,3,4,5" -> the message
// Precondition: text is NUL-terminated.
[[nodiscard]] AnswerResult<FrameRateList> ParseFrameRateList(const wchar_t* text);
