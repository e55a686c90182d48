// Weapon lists: many setups in one CSV file (RFC 4180), the format
// spreadsheets export; the CLI and the page read them here, with one reader.
//
//   name,baseRea,firingMode,fps,rea,at,compare
//   Rifle,0.45,3,60,81,37,
//   "Shotgun, pump",1.2,1,60,81,,"120,144"
//
// The first line names the columns, in any order, compared without regard to
// ASCII case: name, baseRea, firingMode, fps and rea are required; at and
// compare are optional (the REA % and the frame rates to compare; an empty
// cell means not asked). Other columns are ignored.
//
// What spreadsheets write is read as they write it:
//  - cells separated by commas, semicolons (European settings) or TABs: the
//    first of the three that splits the header into every required column;
//    a first line "sep=;" ("sep=," or "sep=" and a TAB), as Excel writes it,
//    sets the separator instead and is skipped (it still counts as line 1);
//  - UTF-8 with or without a byte-order mark, or UTF-16 (either byte order)
//    with one, as Excel's "Unicode text";
//  - lines end in LF or CRLF; a quoted cell may hold separators, doubled
//    quotes and line breaks;
//  - empty lines, and records whose every cell is empty or white space (a
//    formatted but empty row: ",,,,"), are skipped, as are lines of only
//    separators and blanks before the header;
//  - a record with fewer cells than the header has empty cells for the rest.
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

// Why a file is not a weapon list at all: not UTF-8 or UTF-16 (naming the
// first line that is not), larger than kMaxWeaponListBytes, empty, a
// required column missing (quoting the header's start, at most 60
// characters) or a column named twice, a quoted cell never closed, text
// after a closing quote. A sentence in UTF-8, no line end.
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
  std::string message;              // the rule's message alone
  std::string cell;                 // the failing input's cell as in the file; empty for the name
  // Where the cell has a form spreadsheets write, what to change, e.g. "a
  // whole number is needed" for "60.00"; else empty.
  std::string hint;
};

// The name first: trimmed of white space (as the page trims a setup's name:
// JavaScript's trim()); then one ' before =, +, -, @ or ' is dropped (the
// writers put it there so a spreadsheet reads the name as text, not as a
// formula); then 1 to 40 characters. Then each input by its rule, as
// JudgeSetup does, with each cell exactly as it stands (no trimming), except
// that baseRea's may have a decimal comma (BaseReaText). A cell of more than
// 63 UTF-16 code units, as a field can't hold, or one holding U+0000, fails
// its input.
[[nodiscard]] std::variant<Weapon, WeaponError> JudgeWeapon(const WeaponLine& line);

// The baseRea cell as it is judged: with exactly one comma and no point, the
// comma is the decimal point ("0,45" -> "0.45"); any other cell as it is.
[[nodiscard]] std::string BaseReaText(std::string_view cell);

// A failing line as every face shows it, no line end:
//   line 8 (TwoDecimals): fps "60.00": Enter valid FPS > 0 (a whole number is needed)
//   line 3: Enter a setup name of 1 to 40 characters.
// The name and the cell with control characters as spaces; a cell of more
// than 20 characters cut to its first 20 and "…".
[[nodiscard]] std::string WeaponFailureText(const WeaponLine& line, const WeaponError& error);
