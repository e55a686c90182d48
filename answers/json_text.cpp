#include "json_text.h"

#include "answer_model.h"
#include "plain_text.h"

namespace {

constexpr char kHex[] = "0123456789abcdef";

// A number the core formatted, or null for an empty cell (FRAMES where the
// BPS is 0.000).
void AppendNumber(std::string& out, const std::string& text) {
  out += text.empty() ? "null" : text;
}

void AppendRow(std::string& out, const RowTexts& row) {
  out += "{\"rea\": " + row.rea + ", \"bps\": " + row.bps + ", \"frames\": ";
  AppendNumber(out, row.frames);
  out += '}';
}

void AppendStanding(std::string& out, const Standing& s) {
  out += ", \"standing\": {\"at\": " + std::to_string(s.at) + ", \"bps\": " + s.since.bps +
         ", \"frames\": ";
  AppendNumber(out, s.since.frames);
  out += ", \"since\": " + s.since.rea + ", \"next\": ";
  if (s.next) {
    AppendRow(out, *s.next);
  } else {
    out += "null";
  }
  out += '}';
}

void AppendComparison(std::string& out, const SetupAnswer& answer) {
  const auto& series = answer.comparison.series;
  out += ", \"comparison\": {\"fps\": [";
  for (std::size_t s = 0; s < series.size(); ++s) {
    out += (s > 0 ? ", " : "") + std::to_string(series[s].fps);
  }
  out += "], \"rows\": [";
  const TextTable table = ComparisonTable(answer.setup.inputs, answer.comparison, Headers::kCli);
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const auto& cells = table.rows[r];
    out += (r > 0 ? ", " : "") + ("{\"rea\": " + cells[0]) + ", \"bps\": [";
    for (std::size_t k = 1; k < cells.size(); ++k) out += (k > 1 ? ", " : "") + cells[k];
    out += "]}";
  }
  out += "]}";
}

void AppendEscape(std::string& out, unsigned code) {
  out += "\\u00";
  out += kHex[code >> 4];
  out += kHex[code & 0xF];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  for (std::size_t k = 0; k < utf8.size(); ++k) {
    const char c = utf8[k];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (IsControlByte(c)) {
      AppendEscape(out, static_cast<unsigned char>(c));
    } else if (IsC1At(utf8, k)) {
      // C1 too, though JSON allows it raw: no terminal acts on it.
      AppendEscape(out, static_cast<unsigned char>(utf8[++k]));
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendJsonAnswerMembers(std::string& out, const SetupAnswer& answer) {
  const Setup& s = answer.setup;
  out += "\"rows\": [";
  for (std::size_t k = 0; k < answer.rows.size(); ++k) {
    if (k > 0) out += ", ";
    AppendRow(out, FormatRowTexts(s.inputs, answer.rows[k]));
  }
  out += ']';
  if (s.at >= 0) AppendStanding(out, StandingAt(s.inputs, answer.rows, s.at));
  if (s.comparing) AppendComparison(out, answer);
}

void AppendJsonErrorMember(std::string& out, std::string_view input, std::string_view message,
                           std::optional<std::string_view> cell, std::string_view hint) {
  out += "\"error\": {\"input\": ";
  AppendJsonString(out, input);
  out += ", \"message\": ";
  AppendJsonString(out, message);
  if (cell) {
    out += ", \"cell\": ";
    AppendJsonString(out, *cell);
  }
  if (!hint.empty()) {
    out += ", \"hint\": ";
    AppendJsonString(out, hint);
  }
  out += '}';
}

void AppendJsonLineStart(std::string& out, const WeaponLine& line,
                         const std::optional<std::string>& name) {
  out += "{\"line\": " + std::to_string(line.line) + ", \"name\": ";
  if (name) {
    AppendJsonString(out, *name);
  } else {
    out += "null";
  }
  out += ", ";
}

void AppendJsonListAnswer(std::string& out, const WeaponLine& line, const std::string& name,
                          const SetupAnswer& answer) {
  AppendJsonLineStart(out, line, name);
  AppendJsonAnswerMembers(out, answer);
  out += '}';
}

void AppendJsonListFailure(std::string& out, const WeaponLine& line, const WeaponError& error) {
  AppendJsonLineStart(out, line, error.name);
  // An input's failure quotes its cell, exactly as in the file.
  AppendJsonErrorMember(out, error.input, error.message,
                        error.name ? std::optional<std::string_view>(error.cell) : std::nullopt,
                        error.hint);
  out += '}';
}

std::string WriteJsonAnswer(const SetupAnswer& answer) {
  std::string out = "{";
  AppendJsonAnswerMembers(out, answer);
  out += "}\n";
  return out;
}

std::string WriteJsonError(const SetupError& error) {
  std::string out = "{";
  AppendJsonErrorMember(out, SetupInputName(error.input), error.message);
  out += "}\n";
  return out;
}

std::string WriteJsonTimeline(const TimelineTexts& t) {
  std::string out = "{\"timeline\": {\"at\": " + t.at + ", \"ready\": ";
  AppendNumber(out, t.ready);
  out += ", \"frames\": ";
  AppendNumber(out, t.frames);
  out += ", \"wait\": ";
  AppendNumber(out, t.wait);
  out += ", \"waitMs\": ";
  AppendNumber(out, t.waitMs);
  out += "}}\n";
  return out;
}
