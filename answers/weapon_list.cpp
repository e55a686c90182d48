#include "weapon_list.h"

#include <algorithm>

#include "cell_hint.h"
#include "list_text_encoding.h"
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

// Reads one record into `cells` (cleared first), its cells split at `sep`.
// kBlank: an empty line. Returns an error message when the record is
// malformed.
std::optional<std::string> ReadRecord(Csv& csv, std::vector<std::string>& cells, RecordEnd& end,
                                      char sep) {
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
      if (csv.at < csv.bytes.size() && csv.bytes[csv.at] != sep && !lineEndAt(csv.at)) {
        return LineMessage(startLine, "has text after the closing quote of a cell.");
      }
    } else {
      const std::size_t start = csv.at;
      while (csv.at < csv.bytes.size() && csv.bytes[csv.at] != sep && !lineEndAt(csv.at)) {
        ++csv.at;
      }
      cell.append(csv.bytes.substr(start, csv.at - start));
      content = content || csv.at > start;
    }
    if (csv.at == csv.bytes.size()) break;
    if (csv.bytes[csv.at] == sep) {
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

// What spreadsheets run as a formula, and the writers mark with a ' before.
bool StartsFormula(char32_t c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\''; }

// The trimmed name, or nothing when it is not 1 to 40 characters. The one '
// that the writers put before a name starting like a formula is dropped, so
// an exported list reads back with the same names.
std::optional<std::string> SetupName(const std::string& cell) {
  const std::u32string name = DecodeUtf8CodePoints(cell);
  auto first = std::find_if_not(name.begin(), name.end(), IsTrimmed);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), IsTrimmed).base();
  if (last - first >= 2 && *first == '\'' && StartsFormula(first[1])) ++first;
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

// Empty or only white space: a spreadsheet's formatted but empty row.
bool IsBlank(const std::string& cell) {
  for (const char c : cell) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      const std::u32string text = DecodeUtf8CodePoints(cell);
      return std::all_of(text.begin(), text.end(), IsTrimmed);
    }
    if (c != ' ' && (c < '\t' || c > '\r')) return false;
  }
  return true;
}

// Lines of nothing but separators and blanks before the header, as a sheet
// with empty formatted rows at the top writes them.
void SkipBlankLines(Csv& csv) {
  for (std::size_t k = csv.at; k <= csv.bytes.size(); ++k) {
    if (k == csv.bytes.size()) {
      csv.at = k;
    } else if (csv.bytes[k] == '\n') {
      csv.at = k + 1;
      ++csv.line;
    } else if (std::string_view(" ,;\t\r").find(csv.bytes[k]) == std::string_view::npos) {
      return;
    }
  }
}

// Excel's first line "sep=;" (or "sep=," or "sep=" and a TAB) names the
// separator; the separator, or 0 when there is no such line.
char SeparatorLine(Csv& csv) {
  const std::string_view rest = csv.bytes.substr(csv.at);
  if (rest.size() < 5 || !SameIgnoringAsciiCase(rest.substr(0, 4), "sep=") ||
      std::string_view(",;\t").find(rest[4]) == std::string_view::npos) {
    return 0;
  }
  const std::string_view after = rest.substr(5);
  if (!after.empty() && !after.starts_with('\n') && !after.starts_with("\r\n")) return 0;
  csv.at += after.empty() ? 5 : after[0] == '\n' ? 6 : 7;
  csv.line += after.empty() ? 0 : 1;
  return rest[4];
}

// The start of a text at most `most` characters long, quoted, with control
// characters as spaces: "60.00", "a very long cell of…".
std::string Quote(std::string_view utf8, std::size_t most) {
  const std::string text = WithoutControls(utf8);
  std::size_t characters = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80 && characters++ == most) {
      return '"' + text.substr(0, k) + "\u2026\"";
    }
  }
  return '"' + text + '"';
}

// The columns a header names: the slot of each of its cells (-1 for others).
struct Columns {
  std::vector<int> slotOf;
  int twice = -1;    // a column named twice, or -1
  int missing = -1;  // the first required column missing, or -1
  int found = 0;     // the required columns named
};

Columns NameColumns(const std::vector<std::string>& cells) {
  Columns columns;
  columns.slotOf.assign(cells.size(), -1);
  std::array<bool, kWeaponCells> present{};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    for (int slot = 0; slot < kWeaponCells; ++slot) {
      if (!SameIgnoringAsciiCase(cells[k], kColumnNames[slot])) continue;
      if (present[slot] && columns.twice < 0) columns.twice = slot;
      present[slot] = true;
      columns.slotOf[k] = slot;
    }
  }
  for (int slot = kRequiredColumns - 1; slot >= 0; --slot) {
    if (present[slot]) {
      ++columns.found;
    } else {
      columns.missing = slot;
    }
  }
  return columns;
}

}  // namespace

std::variant<WeaponList, WeaponListError> ReadWeaponList(std::string_view bytes) {
  if (bytes.size() > kMaxWeaponListBytes) {
    return WeaponListError{"The weapon list is larger than 64 MiB."};
  }
  const auto notUtf8 = [](std::size_t line) {
    return WeaponListError{"The weapon list is not UTF-8 text: line " + std::to_string(line) +
                           " is not. Save it as CSV UTF-8."};
  };
  std::optional<Utf16Text> utf16 = DecodeUtf16List(bytes);
  if (utf16) {
    if (utf16->badLine > 0) return notUtf8(utf16->badLine);
    bytes = utf16->utf8;
  }
  if (const std::size_t bad = FindInvalidUtf8(bytes); bad != std::string_view::npos) {
    return notUtf8(1 + std::count(bytes.begin(), bytes.begin() + bad, '\n'));
  }
  Csv csv{bytes};
  if (bytes.starts_with("\xEF\xBB\xBF")) csv.at = 3;
  const char given = SeparatorLine(csv);

  // The header: the first line that is not blank, split by the first of the
  // separators that gives every required column.
  SkipBlankLines(csv);
  if (csv.at == bytes.size()) {
    return WeaponListError{"The weapon list is empty: its first line must name the columns."};
  }
  std::vector<std::string> cells;
  RecordEnd end = RecordEnd::kBlank;
  std::optional<Columns> columns, best;
  std::optional<std::string> malformed;
  char sep = 0;
  for (const char tried : given ? std::string(1, given) : std::string(",;\t")) {
    Csv header = csv;
    if (auto error = ReadRecord(header, cells, end, tried)) {
      if (!malformed) malformed = std::move(error);
      continue;
    }
    Columns named = NameColumns(cells);
    if (named.twice >= 0) {
      return WeaponListError{std::string("The weapon list names the column ") +
                             kColumnNames[named.twice] + " twice."};
    }
    if (named.missing < 0) {
      columns = std::move(named);
      sep = tried;
      csv = header;
      break;
    }
    if (!best || named.found > best->found) best = std::move(named);
  }
  if (!columns) {
    if (!best) return WeaponListError{*malformed};
    const std::string_view first = bytes.substr(csv.at, bytes.find('\n', csv.at) - csv.at);
    return WeaponListError{
        std::string("The weapon list has no column ") + kColumnNames[best->missing] +
        ": its first line must name the columns name, baseRea, firingMode, fps and rea, "
        "separated by commas, semicolons or TABs. It reads " +
        Quote(first.substr(0, first.size() - first.ends_with('\r')), 60) + "."};
  }

  WeaponList list;
  const std::vector<int>& slotOf = columns->slotOf;
  for (;;) {
    const std::size_t line = csv.line;
    if (auto error = ReadRecord(csv, cells, end, sep)) return WeaponListError{*error};
    if (end == RecordEnd::kEndOfText) break;
    if (end == RecordEnd::kBlank || std::all_of(cells.begin(), cells.end(), IsBlank)) continue;
    WeaponLine& weapon = list.lines.emplace_back(WeaponLine{line, {}});
    for (std::size_t k = 0; k < cells.size() && k < slotOf.size(); ++k) {
      if (slotOf[k] >= 0) weapon.cells[slotOf[k]] = std::move(cells[k]);
    }
  }
  return list;
}

std::string BaseReaText(std::string_view cell) {
  std::string text(cell);
  if (std::count(text.begin(), text.end(), ',') == 1 && text.find('.') == std::string::npos) {
    text[text.find(',')] = '.';
  }
  return text;
}

std::variant<Weapon, WeaponError> JudgeWeapon(const WeaponLine& line) {
  const std::optional<std::string> name = SetupName(line.cells[0]);
  if (!name) return WeaponError{std::nullopt, "name", kSetupNameMessage, "", ""};

  std::array<std::wstring, kSetupInputs> texts;
  SetupTexts setupTexts{};
  for (int k = 0; k < kSetupInputs; ++k) {
    const std::string& cell = line.cells[k + 1];
    const bool optional = k >= static_cast<int>(SetupInput::kAt);
    if (optional && cell.empty()) continue;  // not asked
    // A text no field could hold fails: a stand-in that no rule accepts
    // gets the input's own message (the REA % one names the range).
    const bool fits = Utf16Units(cell) <= kMaxFieldUnits && cell.find('\0') == std::string::npos;
    texts[k] = !fits ? L"\x1" : k == 0 ? DecodeUtf8(BaseReaText(cell)) : DecodeUtf8(cell);
    setupTexts[k] = texts[k].c_str();
  }
  const auto judged = JudgeSetup(setupTexts);
  if (const auto* error = std::get_if<SetupError>(&judged)) {
    const std::string& cell = line.cells[static_cast<int>(error->input) + 1];
    return WeaponError{name, SetupInputName(error->input), error->message, cell,
                       CellHint(error->input, cell)};
  }
  return Weapon{*name, std::get<Setup>(judged)};
}

std::string WeaponFailureText(const WeaponLine& line, const WeaponError& error) {
  std::string text = "line " + std::to_string(line.line);
  if (!error.name) return text + ": " + error.message;
  text += " (" + WithoutControls(*error.name) + "): " + error.input + ' ' + Quote(error.cell, 20) +
          ": " + error.message;
  return error.hint.empty() ? text : text + " (" + error.hint + ')';
}
