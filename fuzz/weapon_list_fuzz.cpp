// Any bytes as a weapon list: the reader either refuses the file with a
// message or gives lines in ascending order, and every line is judged and
// answered in every format without a fault. The bytes live in a heap buffer
// of exactly their size, so AddressSanitizer catches a read past the end.
// No control character of a name reaches the text outputs but as a space.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "json_text.h"
#include "markdown_text.h"
#include "plain_text.h"
#include "table_text.h"
#include "weapon_list.h"
#include "wiki_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto bytes = std::make_unique<char[]>(size);
  std::copy(data, data + size, bytes.get());
  const auto list = ReadWeaponList(std::string_view(bytes.get(), size));
  if (const auto* error = std::get_if<WeaponListError>(&list)) {
    if (error->message.empty()) std::abort();
    return 0;
  }
  std::size_t previous = 1;  // the header's line
  int answered = 0;          // writing every answer of a long list would slow the search
  for (const WeaponLine& line : std::get<WeaponList>(list).lines) {
    if (line.line <= previous) std::abort();
    previous = line.line;
    const auto judged = JudgeWeapon(line);
    if (const auto* error = std::get_if<WeaponError>(&judged)) {
      if (error->message.empty() || (error->input == "name") == error->name.has_value()) {
        std::abort();
      }
      continue;
    }
    if (++answered > 16) continue;
    const auto& weapon = std::get<Weapon>(judged);
    const SetupAnswer answer = AnswerSetup(weapon.setup);
    std::string out = MarkdownHeading(weapon.name) + WriteMarkdownAnswer(answer) +
                      WriteWikiAnswer(answer, weapon.name) + WriteJsonAnswer(answer);
    AppendListRows(out, weapon.name,
                   RowsTable(weapon.setup.inputs, answer.rows, true, Headers::kCli), kCsvTable);
    for (std::size_t k = 0; k < out.size(); ++k) {
      if ((IsControlByte(out[k]) && out[k] != '\n' && out[k] != '\r') || IsC1At(out, k)) {
        std::abort();
      }
    }
    // A name never carries a line break into a heading or a caption.
    if (MarkdownHeading(weapon.name).find('\n') != MarkdownHeading(weapon.name).size() - 2) {
      std::abort();
    }
  }
  return 0;
}
