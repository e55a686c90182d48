// A weapon list read for the page's "Import setups": the file's bytes go to
// the core's one reader (weapon_list.h), each line is judged there, and the
// page gets back one JSON text (UTF-8) that its script parses:
//   {"setups": [{"line": 2, "name": "Rifle", "fields": {"baseRea": "0.45",
//     "firingMode": "3", "fps": "60", "rea": "81", "at": "37", "compare": ""}}, ...],
//    "failures": [{"line": 5, "name": "Shotgun", "message": "Enter valid FPS > 0",
//                  "text": "line 5 (Shotgun): fps \"0\": Enter valid FPS > 0"}, ...],
//    "failureCount": 1}
// Both in file order. "failures" holds the first kListedFailures of them
// (what the page lists; it counts the rest), "failureCount" all of them. A setup's name is trimmed;
// its fields are the cells exactly as the file holds them ("" where at or compare is off), so a
// saved setup keeps the same texts a Calculate would, except that a baseRea with a decimal comma
// is given with the point ("0,45" -> "0.45"), as it was read. A failure's "text" is the line as
// the CLI writes it on stderr (WeaponFailureText), for the page to show as it is. A failure's name
// is null when the name is what fails. A file that is not a weapon list:
//   {"error": "The weapon list has no column fps: ..."}
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kListedFailures = 100;

[[nodiscard]] std::string ReadPageList(std::string_view bytes);
