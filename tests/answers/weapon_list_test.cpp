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
      {h + "\"\"\n,\n \n", {2, 3, 4}, {"", "", " "}},  // not empty: answered, and failing
      {h + "A\"b,1\n", {2}, {"A\"b"}},                 // a quote inside a bare cell is text
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
       "firingMode, fps and rea."},
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
  const auto judged = JudgeWeapon(std::get<WeaponList>(list).lines.at(0));
  if (const auto* error = std::get_if<WeaponError>(&judged)) {
    return (error->name ? "(" + *error->name + ") " : "") + error->input + ": " + error->message;
  }
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
  const Case cases[] = {
      {"Rifle,0.45,3,60,81", "Rifle at -1"},
      {"Rifle,0.45,3,60,81,37,\"120,144\"", "Rifle at 37 comparing"},
      {" \xEF\xBB\xBF\t Rifle \xE3\x80\x80,0.45,3,60,81", "Rifle at -1"},  // trimmed as in JS
      {"\xC2\x85,0.45,3,60,81", "\xC2\x85 at -1"},  // NEL is not trimmed there
      {std::string(40, 'n') + ",0.45,3,60,81", std::string(40, 'n') + " at -1"},
      {std::string(41, 'n') + ",0.45,3,60,81", "name: Enter a setup name of 1 to 40 characters."},
      {"  ,x,x", "name: Enter a setup name of 1 to 40 characters."},
      {"R, 0.45,3,60,81", "R at -1"},                               // leading blank accepted
      {"R,0.45 ,3,60,81", "(R) baseRea: Enter valid baseRea > 0"},  // trailing blank is not
      {"R,0.45,3", "(R) fps: Enter valid FPS > 0"},                 // missing cells are empty
      {"R,0.45,3,60,81,81", "(R) at: Enter your REA % from 0 to 80"},
      {"R,0.45,3,60,81,x,0", "(R) at: Enter your REA % from 0 to 80"},
      {"R,0.45,3,60,81,,0", "(R) compare: Enter 1 to 4 frame rates > 0 to compare"},
      {"R,0.45,3,60," + longest, "R at -1"},
      {"R,0.45,3,60,0" + longest, "(R) rea: Enter valid REA % > 0"},  // 64 characters
      {"R,0.45,3,60,\"8\0001\""s, "(R) rea: Enter valid REA % > 0"},
      {"R,0.45,3,60,81,\"3\0007\""s, "(R) at: Enter your REA % from 0 to 80"},
  };
  for (const auto& c : cases) EXPECT_EQ(Judge(c.line), c.judged) << c.line;
}

}  // namespace
