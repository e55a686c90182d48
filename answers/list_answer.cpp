#include "list_answer.h"

#include "json_text.h"
#include "markdown_text.h"
#include "plain_text.h"
#include "table_text.h"
#include "weapon_list.h"
#include "wiki_text.h"

std::string CannotReadList(std::string_view name) {
  if (name == "-") return "Cannot read the weapon list from standard input.";
  return "Cannot read the weapon list " + WithoutControls(name) + ".";
}

ListAnswer AnswerList(TextFormat format, std::string_view bytes) {
  ListAnswer result;
  const auto list = ReadWeaponList(bytes);
  if (const auto* error = std::get_if<WeaponListError>(&list)) {
    return {1, {}, error->message + "\n"};
  }
  const TableStyle& style = format == TextFormat::kCsv ? kCsvTable : kTabTable;
  const bool table = format == TextFormat::kTsv || format == TextFormat::kCsv;
  std::string& out = result.out;
  if (table) out = WriteListHeader(style);
  if (format == TextFormat::kJson) out += '[';
  bool first = true;
  for (const WeaponLine& line : std::get<WeaponList>(list).lines) {
    const auto judged = JudgeWeapon(line);
    if (format == TextFormat::kJson) out += first ? "\n" : ",\n";
    if (const auto* error = std::get_if<WeaponError>(&judged)) {
      result.err += WeaponFailureText(line, *error) + "\n";
      result.exitCode = 1;
      if (format == TextFormat::kJson) AppendJsonListFailure(out, line, *error);
      first = false;
      continue;
    }
    const auto& weapon = std::get<Weapon>(judged);
    const SetupAnswer answer = AnswerSetup(weapon.setup);
    const std::string_view gap = first ? "" : "\n";
    switch (format) {
      case TextFormat::kJson:
        AppendJsonListAnswer(out, line, weapon.name, answer);
        break;
      case TextFormat::kMarkdown:
        out += std::string(gap) + MarkdownHeading(weapon.name) + WriteMarkdownAnswer(answer);
        break;
      case TextFormat::kWiki:
        out += std::string(gap) + WriteWikiAnswer(answer, weapon.name);
        break;
      default:
        AppendListRows(out, weapon.name,
                       RowsTable(weapon.setup.inputs, answer.rows, true, Headers::kCli), style);
        break;
    }
    first = false;
  }
  if (format == TextFormat::kJson) out += first ? "]\n" : "\n]\n";
  return result;
}
