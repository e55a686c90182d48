// Where a REA % stands, in one sentence a player reads at a glance: the page
// shows it, and the Markdown and wikitext answers end with it.
//   "At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak at
//    45 % (+8): 12.000 BPS (5 frames a shot)."
//   "At 80 %: 30.000 BPS (2 frames a shot) since 78 %. No further framebreak
//    up to 80 %."
// "(N frames a shot)" is left out where the BPS is 0.000.
#pragma once

#include <string>

#include "answer_model.h"

[[nodiscard]] std::string StandingSentence(const Standing& standing);

// What the Markdown and wikitext answers end with: an empty line and the
// sentence, or nothing without a REA %.
[[nodiscard]] std::string StandingParagraph(const SetupAnswer& answer);
