#include "page_list.h"

#include <variant>
#include <vector>

#include "json_text.h"
#include "weapon_list.h"

namespace {

void AppendMember(std::string& out, std::string_view key, std::string_view text) {
  AppendJsonString(out, key);
  out += ": ";
  AppendJsonString(out, text);
}

void AppendSetup(std::string& out, const WeaponLine& line, const Weapon& weapon) {
  AppendJsonLineStart(out, line, weapon.name);
  out += "\"fields\": {";
  for (int k = 0; k < kSetupInputs; ++k) {
    if (k > 0) out += ", ";
    // A decimal comma is saved as the point, so the setup calculates as read.
    AppendMember(out, SetupInputName(static_cast<SetupInput>(k)),
                 k == 0 ? BaseReaText(line.cells[1]) : line.cells[k + 1]);
  }
  out += "}}";
}

void AppendFailure(std::string& out, const WeaponLine& line, const WeaponError& error) {
  AppendJsonLineStart(out, line, error.name);
  AppendMember(out, "message", error.message);
  out += ", ";
  AppendMember(out, "text", WeaponFailureText(line, error));
  out += '}';
}

}  // namespace

std::string ReadPageList(std::string_view bytes) {
  std::string out = "{";
  const auto read = ReadWeaponList(bytes);
  if (const auto* error = std::get_if<WeaponListError>(&read)) {
    AppendMember(out, "error", error->message);
    return out + '}';
  }
  const auto& lines = std::get<WeaponList>(read).lines;
  out += "\"setups\": [";
  // The lines of the failures listed, judged again below rather than kept
  // (the page lists only the first few of a file of millions of bad lines).
  std::vector<std::size_t> listed;
  std::size_t failures = 0;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const auto judged = JudgeWeapon(lines[k]);
    if (const auto* weapon = std::get_if<Weapon>(&judged)) {
      if (out.back() != '[') out += ", ";
      AppendSetup(out, lines[k], *weapon);
    } else if (failures++ < kListedFailures) {
      listed.push_back(k);
    }
  }
  out += "], \"failures\": [";
  for (const std::size_t k : listed) {
    if (k != listed.front()) out += ", ";
    AppendFailure(out, lines[k], std::get<WeaponError>(JudgeWeapon(lines[k])));
  }
  return out + "], \"failureCount\": " + std::to_string(failures) + '}';
}
