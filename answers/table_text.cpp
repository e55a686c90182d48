#include "table_text.h"

#include "plain_text.h"

namespace {

// One line; `name`, where given, is its first cell.
void AppendLine(std::string& out, const TableStyle& style, const std::vector<std::string>& cells,
                const std::string* name = nullptr) {
  if (name) out += *name + style.separator;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) out += style.separator;
    out += cells[k];
  }
  out += style.lineEnd;
}

// The name as one cell of the style: see WriteListHeader.
std::string NameCell(std::string_view name, const TableStyle& style) {
  std::string text = WithoutControls(name);
  if (!text.empty() && std::string_view("=+-@'").find(text.front()) != std::string_view::npos) {
    text.insert(0, 1, '\'');
  }
  if (!style.quoteText || text.find_first_of(",\"") == std::string::npos) return text;
  std::string cell = "\"";
  for (const char c : text) cell += c == '"' ? "\"\"" : std::string(1, c);
  return cell + "\"";
}

}  // namespace

std::string WriteDelimited(const TextTable& table, const TableStyle& style) {
  std::string out;
  AppendLine(out, style, table.headers);
  for (const auto& row : table.rows) AppendLine(out, style, row);
  return out;
}

std::string WriteListHeader(const TableStyle& style) {
  std::string out;
  AppendLine(out, style, {"NAME", "REA", "BPS", "FRAMES"});
  return out;
}

void AppendListRows(std::string& out, std::string_view name, const TextTable& rows,
                    const TableStyle& style) {
  const std::string cell = NameCell(name, style);
  for (const auto& row : rows.rows) AppendLine(out, style, row, &cell);
}
