// Answers as JSON (RFC 8259, UTF-8), for programs. Numbers are the cell texts
// themselves, so a reader that keeps the text keeps the three decimals:
//   {"rows": [{"rea": 0, "bps": 6.667, "frames": 9}, ...]}
// "frames" is null where the BPS is 0.000. With a REA % asked, after "rows":
//   "standing": {"at": 37, "bps": 10.000, "frames": 6, "since": 34,
//                "next": {"rea": 45, "bps": 12.000, "frames": 5}}
// ("next": null past the last framebreak), and with frame rates compared:
//   "comparison": {"fps": [60, 120, 144],
//                  "rows": [{"rea": 0, "bps": [6.667, 6.667, 6.545]}, ...]}
// The shot timeline at a REA %, null where there is no shot:
//   {"timeline": {"at": 37, "ready": 5.670, "frames": 6, "wait": 0.330, "waitMs": 5.500}}
// A bad input: {"error": {"input": "fps", "message": "Enter valid FPS > 0"}}
// Each document is one line ending in LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "setup.h"
#include "shot_timeline.h"
#include "weapon_list.h"

// A JSON string of UTF-8 text: '"' and '\' escaped, and every control
// character (C0, DEL and C1) as \u00XX, so none reaches a terminal raw.
void AppendJsonString(std::string& out, std::string_view utf8);

// The members of an answer, "\"rows\": [...]" and what follows, without braces.
void AppendJsonAnswerMembers(std::string& out, const SetupAnswer& answer);
// "\"error\": {...}" without braces; `input` as its name ("fps", "name").
// A list line's error adds the cell it judged and a hint where there is one:
//   "error": {"input": "fps", "message": "Enter valid FPS > 0", "cell": "60.00",
//             "hint": "a whole number is needed"}
void AppendJsonErrorMember(std::string& out, std::string_view input, std::string_view message,
                           std::optional<std::string_view> cell = std::nullopt,
                           std::string_view hint = {});

// A weapon list's line in its array: {"line": 2, "name": "Rifle", "rows":
// ...} with the answer's members, or {"line": 5, "name": "Shotgun", "error":
// {"input": "fps", "message": ..., "cell": "60.00", "hint": ...}} ("hint"
// only where there is one), or {"line": 6, "name": null, "error": {"input":
// "name", "message": ...}} when the name is what fails.
// The start of a list line's object, up to the members after the name:
// {"line": 5, "name": "Shotgun", (null when the name is what fails).
void AppendJsonLineStart(std::string& out, const WeaponLine& line,
                         const std::optional<std::string>& name);
void AppendJsonListAnswer(std::string& out, const WeaponLine& line, const std::string& name,
                          const SetupAnswer& answer);
void AppendJsonListFailure(std::string& out, const WeaponLine& line, const WeaponError& error);

[[nodiscard]] std::string WriteJsonAnswer(const SetupAnswer& answer);
[[nodiscard]] std::string WriteJsonError(const SetupError& error);
[[nodiscard]] std::string WriteJsonTimeline(const TimelineTexts& timeline);
