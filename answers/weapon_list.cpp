#include "weapon_list.h"

#include <algorithm>

#include "plain_text.h"
#include "utf8.h"

namespace {

constexpr const char* kColumnNames[kWeaponCells] = {"name", "baseRea", "firingMode", "fps",
                                                    "rea",  "at",      "compare"};
constexpr int kRequiredColumns = 5;         // name .. rea
constexpr std::size_t kMaxFieldUnits = 63;  // what a field holds
constexpr std::size_t kMaxNameCharacters = 40;

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

std::string LineMessage(std::size_t line, const char* what) {
  return "Line " + std::to_string(line) + " of the weapon list " + what;
}

// The records of a CSV text as a state machine over its bytes (RFC 4180),
// counting physical lines so every message can say where.

struct Csv {
  std::string_view bytes;
  std::size_t at = 0;
  std::size_t line = 1;
};

enum class RecordEnd { kRecord, kBlank, kEndOfText };

// Reads one record into `cells` (cleared first). kBlank: an empty line.
// Returns an error message when the record is malformed.
std::optional<std::string> ReadRecord(Csv& csv, std::vector<std::string>& cells, RecordEnd& end) {
  cells.assign(1, std::string{});
  const std::size_t startLine = csv.line;
  bool content = false;
  const auto lineEndAt = [&](std::size_t i) {
    return csv.bytes[i] == '\n' ||
           (csv.bytes[i] == '\r' && i + 1 < csv.bytes.size() && csv.bytes[i + 1] == '\n');
  };
  const auto takeLineEnd = [&] {
    csv.at += csv.bytes[csv.at] == '\r' ? 2 : 1;
    ++csv.line;
  };
  if (csv.at == csv.bytes.size()) {
    end = RecordEnd::kEndOfText;
    return std::nullopt;
  }
  for (;;) {
    std::string& cell = cells.back();
    if (csv.at < csv.bytes.size() && csv.bytes[csv.at] == '"') {
      content = true;
      ++csv.at;
      for (;;) {
        if (csv.at == csv.bytes.size()) {
          return LineMessage(startLine, "opens a quoted cell that is never closed.");
        }
        const char c = csv.bytes[csv.at++];
        if (c == '"') {
          if (csv.at < csv.bytes.size() && csv.bytes[csv.at] == '"') {
            cell += '"';
            ++csv.at;
            continue;
          }
          break;
        }
        if (c == '\n') ++csv.line;
        cell += c;
      }
      if (csv.at < csv.bytes.size() && csv.bytes[csv.at] != ',' && !lineEndAt(csv.at)) {
        return LineMessage(startLine, "has text after the closing quote of a cell.");
      }
    } else {
      const std::size_t start = csv.at;
      while (csv.at < csv.bytes.size() && csv.bytes[csv.at] != ',' && !lineEndAt(csv.at)) {
        ++csv.at;
      }
      cell.append(csv.bytes.substr(start, csv.at - start));
      content = content || csv.at > start;
    }
    if (csv.at == csv.bytes.size()) break;
    if (csv.bytes[csv.at] == ',') {
      content = true;
      ++csv.at;
      cells.emplace_back();
      continue;
    }
    takeLineEnd();
    break;
  }
  end = content ? RecordEnd::kRecord : RecordEnd::kBlank;
  return std::nullopt;
}

// JavaScript's trim(): its WhiteSpace and LineTerminator characters, so a
// name reads the same here as in the page's "Setup name:" field.
bool IsTrimmed(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000 || c == 0xFEFF;
}

// The trimmed name, or nothing when it is not 1 to 40 characters.
std::optional<std::string> SetupName(const std::string& cell) {
  const std::u32string name = DecodeUtf8CodePoints(cell);
  const auto first = std::find_if_not(name.begin(), name.end(), IsTrimmed);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), IsTrimmed).base();
  if (first >= last || static_cast<std::size_t>(last - first) > kMaxNameCharacters) {
    return std::nullopt;
  }
  return EncodeUtf8(std::u32string_view(&*first, static_cast<std::size_t>(last - first)));
}

// What a field counts: characters beyond U+FFFF take two.
std::size_t Utf16Units(const std::string& cell) {
  std::size_t units = 0;
  for (const char32_t c : DecodeUtf8CodePoints(cell)) units += c > 0xFFFF ? 2 : 1;
  return units;
}
}  // namespace

std::variant<WeaponList, WeaponListError> ReadWeaponList(std::string_view bytes) {
  if (bytes.size() > kMaxWeaponListBytes) {
    return WeaponListError{"The weapon list is larger than 64 MiB."};
  }
  if (const std::size_t bad = FindInvalidUtf8(bytes); bad != std::string_view::npos) {
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + bad, '\n');
    return WeaponListError{"The weapon list is not UTF-8 text: line " + std::to_string(line) +
                           " is not. Save it as CSV UTF-8."};
  }
  Csv csv{bytes};
  if (bytes.starts_with("\xEF\xBB\xBF")) csv.at = 3;

  std::vector<std::string> cells;
  RecordEnd end = RecordEnd::kBlank;
  // The header: the first line that is not empty.
  while (end == RecordEnd::kBlank) {
    if (auto error = ReadRecord(csv, cells, end)) return WeaponListError{*error};
  }
  if (end == RecordEnd::kEndOfText) {
    return WeaponListError{"The weapon list is empty: its first line must name the columns."};
  }
  std::vector<int> slotOf(cells.size(), -1);
  std::array<bool, kWeaponCells> present{};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    for (int slot = 0; slot < kWeaponCells; ++slot) {
      if (!SameIgnoringAsciiCase(cells[k], kColumnNames[slot])) continue;
      if (present[slot]) {
        return WeaponListError{std::string("The weapon list names the column ") +
                               kColumnNames[slot] + " twice."};
      }
      present[slot] = true;
      slotOf[k] = slot;
    }
  }
  for (int slot = 0; slot < kRequiredColumns; ++slot) {
    if (!present[slot]) {
      return WeaponListError{std::string("The weapon list has no column ") + kColumnNames[slot] +
                             ": its first line must name the columns name, baseRea, firingMode, "
                             "fps and rea."};
    }
  }

  WeaponList list;
  for (;;) {
    const std::size_t line = csv.line;
    if (auto error = ReadRecord(csv, cells, end)) return WeaponListError{*error};
    if (end == RecordEnd::kEndOfText) break;
    if (end == RecordEnd::kBlank) continue;
    WeaponLine& weapon = list.lines.emplace_back(WeaponLine{line, {}});
    for (std::size_t k = 0; k < cells.size() && k < slotOf.size(); ++k) {
      if (slotOf[k] >= 0) weapon.cells[slotOf[k]] = std::move(cells[k]);
    }
  }
  return list;
}

std::variant<Weapon, WeaponError> JudgeWeapon(const WeaponLine& line) {
  const std::optional<std::string> name = SetupName(line.cells[0]);
  if (!name) return WeaponError{std::nullopt, "name", kSetupNameMessage};

  std::array<std::wstring, kSetupInputs> texts;
  SetupTexts setupTexts{};
  for (int k = 0; k < kSetupInputs; ++k) {
    const std::string& cell = line.cells[k + 1];
    const bool optional = k >= static_cast<int>(SetupInput::kAt);
    if (optional && cell.empty()) continue;  // not asked
    // A text no field could hold fails: a stand-in that no rule accepts
    // gets the input's own message (the REA % one names the range).
    const bool fits = Utf16Units(cell) <= kMaxFieldUnits && cell.find('\0') == std::string::npos;
    texts[k] = fits ? DecodeUtf8(cell) : L"\x1";
    setupTexts[k] = texts[k].c_str();
  }
  const auto judged = JudgeSetup(setupTexts);
  if (const auto* error = std::get_if<SetupError>(&judged)) {
    return WeaponError{name, SetupInputName(error->input), error->message};
  }
  return Weapon{*name, std::get<Setup>(judged)};
}

std::string WeaponFailureText(const WeaponLine& line, const WeaponError& error) {
  return "line " + std::to_string(line.line) +
         (error.name ? " (" + WithoutControls(*error.name) + ")" : "") + ": " + error.message;
}
