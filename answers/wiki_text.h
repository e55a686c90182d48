// Answers as MediaWiki tables, for wikis: the table the page shows, then the
// standing sentence when a REA % is asked.
//   {| class="wikitable"
//   |+ <nowiki>Rifle</nowiki>        (a weapon list's section: its name)
//   ! REA !! BPS !! Frames
//   |-
//   | 0 || 6.667 || 9
//   ...
//   |}
//   (empty line)
//   At 37 %: 10.000 BPS (6 frames a shot) since 34 %. Next framebreak ...
#pragma once

#include <string>
#include <string_view>

#include "answer_model.h"

// `caption` is a weapon's name, or empty for none. It is text, never markup:
// control characters become spaces (a line break would end the caption),
// then it goes inside <nowiki> with '&', '<' and '>' as entities, so nothing
// can close the <nowiki>.
[[nodiscard]] std::string WriteWikiTable(const TextTable& table, std::string_view caption = {});
[[nodiscard]] std::string WriteWikiAnswer(const SetupAnswer& answer, std::string_view caption = {});
