// Weapon lists: what the reader takes from a file, where it says a file is
// broken, and how each line is judged.
#include "weapon_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct Read {
  std::vector<std::size_t> lines;  // the data lines' numbers
  std::vector<std::string> names;  // their name cells
  std::string error;
};

// Text as UTF-16 with its byte-order mark, as Excel's "Unicode text".
std::string Utf16(std::u16string_view text, bool little) {
  std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t u : text) {
    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    bytes += little ? std::string{lo, hi} : std::string{hi, lo};
  }
  return bytes;
}

Read ReadList(std::string_view bytes) {
  Read read;
  const auto list = ReadWeaponList(bytes);
  if (const auto* error = std::get_if<WeaponListError>(&list)) {
    read.error = error->message;
    return read;
  }
  for (const auto& line : std::get<WeaponList>(list).lines) {
    read.lines.push_back(line.line);
    read.names.push_back(line.cells[0]);
  }
  return read;
}

TEST(ReadWeaponList, RecordsAndTheirLines) {
  const std::string h = "name,baseRea,firingMode,fps,rea\n";
  struct Case {
    std::string bytes;
    std::vector<std::size_t> lines;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {h + "A,1,1,1,1\nB,1,1,1,1", {2, 3}, {"A", "B"}},
      {"\xEF\xBB\xBF" + h + "A,1,1,1,1\r\n", {2}, {"A"}},
      {"\n\r\n" + h + "\nA,1\r\n\r\nB\n", {5, 7}, {"A", "B"}},  // empty lines skipped
      {h + "\"A, \"\"x\"\"\nnext\",1\nB\n", {2, 4}, {"A, \"x\"\nnext", "B"}},
      {h + "\"\"\n,\n \n,\xC2\xA0,\t\nA\n", {6}, {"A"}},  // rows of empty cells skipped
      {h + ",,,,,,x\n", {2}, {""}},                       // not empty: answered, and failing
      // The first separator that names every column; quoting alike in each.
      {"name;baseRea;firingMode;fps;rea\n\"A;\"\"b\";0,45\n", {2}, {"A;\"b"}},
      {"name,baseRea,firingMode,fps,rea,x;y\nA;B,1\n", {2}, {"A;B"}},
      {"sep=;\r\nname;baseRea;firingMode;fps;rea\r\nA,1;1\n", {3}, {"A,1"}},
      {";;;\n , \n" + h + "A\n", {4}, {"A"}},  // blank formatted rows above the header
      {Utf16(u"name,baseRea,firingMode,fps,rea\nA\n", false), {2}, {"A"}},
      {h + "A\"b,1\n", {2}, {"A\"b"}},  // a quote inside a bare cell is text
      {"NAME,REA,Fps,FIRINGMODE,BaseRea,other\nA\n", {2}, {"A"}},
      {h, {}, {}},
  };
  for (const auto& c : cases) {
    const Read r = ReadList(c.bytes);
    EXPECT_EQ(r.error, "") << c.bytes;
    EXPECT_EQ(r.lines, c.lines) << c.bytes;
    EXPECT_EQ(r.names, c.names) << c.bytes;
  }
}

TEST(ReadWeaponList, RefusesFilesThatAreNoList) {
  const std::string h = "name,baseRea,firingMode,fps,rea\n";
  struct Case {
    std::string bytes;
    std::string error;
  };
  const Case cases[] = {
      {"", "The weapon list is empty: its first line must name the columns."},
      {"\xEF\xBB\xBF\n\n", "The weapon list is empty: its first line must name the columns."},
      {"name,baseRea,firingMode,rea\n",
       "The weapon list has no column fps: its first line must name the columns name, baseRea, "
       "firingMode, fps and rea, separated by commas, semicolons or TABs. It reads "
       "\"name,baseRea,firingMode,rea\"."},
      // The separator that names the most columns says which is missing.
      {"\"name\";\"baseRea\";\"fps\";\"rea\";" + std::string(60, 'x') + "\r\n",
       "The weapon list has no column firingMode: its first line must name the columns name, "
       "baseRea, firingMode, fps and rea, separated by commas, semicolons or TABs. It reads "
       "\"\"name\";\"baseRea\";\"fps\";\"rea\";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026\"."},
      {"sep=;\n" + h,
       "The weapon list has no column name: its first line must name the columns name, baseRea, "
       "firingMode, fps and rea, separated by commas, semicolons or TABs. It reads "
       "\"name,baseRea,firingMode,fps,rea\"."},
      {"\"name,baseRea\n", "Line 1 of the weapon list opens a quoted cell that is never closed."},
      {Utf16(u"name,baseRea,firingMode,fps,rea\nA\n\xD800,1\n", true),
       "The weapon list is not UTF-8 text: line 3 is not. Save it as CSV UTF-8."},
      {h + "A\nB\n\xC3(\n",
       "The weapon list is not UTF-8 text: line 4 is not. Save it as CSV UTF-8."},
      {h + "A,\"x\nB\n", "Line 2 of the weapon list opens a quoted cell that is never closed."},
      {h + "A\n\"x\"y,1\n",
       "Line 3 of the weapon list has text after the closing quote of a cell."},
      {"name,baseRea,firingMode,fps,rea,FPS\n", "The weapon list names the column fps twice."},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadList(c.bytes).error, c.error) << c.bytes;
  EXPECT_NE(ReadList(std::string(kMaxWeaponListBytes + 1, '\n')).error, "");
}

// JudgeWeapon on one data line under the header of all seven columns.
std::string Judge(std::string line) {
  const auto list = ReadWeaponList("name,baseRea,firingMode,fps,rea,at,compare\n" + line);
  const WeaponLine& line0 = std::get<WeaponList>(list).lines.at(0);
  const auto judged = JudgeWeapon(line0);
  if (const auto* error = std::get_if<WeaponError>(&judged))
    return WeaponFailureText(line0, *error);
  const auto& weapon = std::get<Weapon>(judged);
  return weapon.name + " at " + std::to_string(weapon.setup.at) +
         (weapon.setup.comparing ? " comparing" : "");
}

TEST(JudgeWeapon, NameFirstThenEachInputInOrder) {
  const std::string longest(63, '1');
  struct Case {
    std::string line;
    std::string judged;
  };
  const std::string nameFails = "line 2: Enter a setup name of 1 to 40 characters.";
  const Case cases[] = {
      {"Rifle,0.45,3,60,81", "Rifle at -1"},
      {"Rifle,0.45,3,60,81,37,\"120,144\"", "Rifle at 37 comparing"},
      {" \xEF\xBB\xBF\t Rifle \xE3\x80\x80,0.45,3,60,81", "Rifle at -1"},  // trimmed as in JS
      {"\xC2\x85,0.45,3,60,81", "\xC2\x85 at -1"},  // NEL is not trimmed there
      {std::string(40, 'n') + ",0.45,3,60,81", std::string(40, 'n') + " at -1"},
      {std::string(41, 'n') + ",0.45,3,60,81", nameFails},
      {"  ,x,x", nameFails},
      // The writers' ' before a formula's first character is dropped, once.
      {" '=1+1 ,0.45,3,60,81", "=1+1 at -1"},
      {"',0.45,3,60,81", "' at -1"},
      {"'@" + std::string(39, 'n') + ",0.45,3,60,81", "@" + std::string(39, 'n') + " at -1"},
      {"R, 0.45,3,60,81", "R at -1"},     // leading blank accepted
      {"R,\"0,45\",3,60,81", "R at -1"},  // a decimal comma in baseRea
      {"R,0.45 ,3,60,81",
       "line 2 (R): baseRea \"0.45 \": Enter valid baseRea > 0 (without the space after the "
       "number)"},
      {"R,0.45,3", "line 2 (R): fps \"\": Enter valid FPS > 0"},  // missing cells are empty
      {"R,0.45,3,60.00,81",
       "line 2 (R): fps \"60.00\": Enter valid FPS > 0 (a whole number is needed)"},
      {"R,0.45,3,60,81,81", "line 2 (R): at \"81\": Enter your REA % from 0 to 80"},
      {"R,0.45,3,60,81,x,0", "line 2 (R): at \"x\": Enter your REA % from 0 to 80"},
      {"R,0.45,3,60,81,,0", "line 2 (R): compare \"0\": Enter 1 to 4 frame rates > 0 to compare"},
      {"R,0.45,3,60," + longest, "R at -1"},
      {"R\x1b,0.45,3,60,0" + longest,  // 64 characters, cut; controls as spaces
       "line 2 (R ): rea \"01111111111111111111\u2026\": Enter valid REA % > 0"},
      {"R,0.45,3,60,\"8\0001\""s, "line 2 (R): rea \"8 1\": Enter valid REA % > 0"},
      {"R,0.45,3,60,81,\"3\r\n7\""s, "line 2 (R): at \"3  7\": Enter your REA % from 0 to 80"},
  };
  for (const auto& c : cases) EXPECT_EQ(Judge(c.line), c.judged) << c.line;
}

}  // namespace
