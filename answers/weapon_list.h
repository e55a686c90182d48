// Weapon lists: many setups in one CSV file (RFC 4180, UTF-8), the format
// spreadsheets export; the CLI and the page read them here, with one reader.
//
//   name,baseRea,firingMode,fps,rea,at,compare
//   Rifle,0.45,3,60,81,37,
//   "Shotgun, pump",1.2,1,60,81,,"120,144"
//
// The first line names the columns, in any order, compared without regard to
// ASCII case: name, baseRea, firingMode, fps and rea are required; at and
// compare are optional (the REA % and the frame rates to compare; an empty
// cell means not asked). Other columns are ignored. A UTF-8 byte-order mark
// at the start is skipped; lines end in LF or CRLF; a quoted cell may hold
// commas, doubled quotes and line breaks; empty lines are skipped. A record
// with fewer cells than the header has empty cells for the rest.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "setup.h"

// Larger files are refused whole rather than read into memory.
inline constexpr std::size_t kMaxWeaponListBytes = std::size_t{64} << 20;

// The cells a weapon line keeps: the name, then the setup's inputs in
// SetupInput order.
inline constexpr int kWeaponCells = 1 + kSetupInputs;

struct WeaponLine {
  std::size_t line;  // the physical line the record starts on; the header's is 1
  // UTF-8, exactly as in the file; empty where the record or the header has
  // no such cell.
  std::array<std::string, kWeaponCells> cells;
};

struct WeaponList {
  std::vector<WeaponLine> lines;  // the data lines, in file order
};

// Why a file is not a weapon list at all: not UTF-8 (naming the first line
// that is not), larger than kMaxWeaponListBytes, empty, a required column
// missing or a column named twice, a quoted cell never closed, text after a
// closing quote. An ASCII sentence, no line end.
struct WeaponListError {
  std::string message;
};

// Never fails otherwise, whatever the bytes: binary data is text that fails
// its inputs' rules.
[[nodiscard]] std::variant<WeaponList, WeaponListError> ReadWeaponList(std::string_view bytes);

inline constexpr char kSetupNameMessage[] = "Enter a setup name of 1 to 40 characters.";

struct Weapon {
  std::string name;  // trimmed, UTF-8
  Setup setup;
};

struct WeaponError {
  std::optional<std::string> name;  // none when the name is what fails
  std::string input;                // "name", or a SetupInputName
  std::string message;
};

// The name first: trimmed of white space (as the page trims a setup's name:
// JavaScript's trim()), then 1 to 40 characters. Then each input by its rule,
// as JudgeSetup does, with each cell exactly as it stands (no trimming). A
// cell of more than 63 UTF-16 code units, as a field can't hold, or one
// holding U+0000, fails its input.
[[nodiscard]] std::variant<Weapon, WeaponError> JudgeWeapon(const WeaponLine& line);

// A failing line as a player reads it, on stderr and in the page's import
// alert: "line 5 (Shotgun): Enter valid FPS > 0", or "line 3: ..." when the
// name is what fails; control characters of the name as spaces.
[[nodiscard]] std::string WeaponFailureText(const WeaponLine& line, const WeaponError& error);
