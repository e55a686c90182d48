#include "json_text.h"

#include "format_row.h"

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

void AppendStanding(std::string& out, const SetupAnswer& answer) {
  const auto& rows = answer.rows;
  const std::size_t k = RowInEffect(rows, answer.setup.at);
  const RowTexts since = FormatRowTexts(answer.setup.inputs, rows[k]);
  out += ", \"standing\": {\"at\": " + std::to_string(answer.setup.at) + ", \"bps\": " + since.bps +
         ", \"frames\": ";
  AppendNumber(out, since.frames);
  out += ", \"since\": " + since.rea + ", \"next\": ";
  if (k + 1 < rows.size()) {
    AppendRow(out, FormatRowTexts(answer.setup.inputs, rows[k + 1]));
  } else {
    out += "null";
  }
  out += '}';
}

void AppendComparison(std::string& out, const SetupAnswer& answer) {
  const Comparison& comparison = answer.comparison;
  out += ", \"comparison\": {\"fps\": [";
  for (std::size_t s = 0; s < comparison.series.size(); ++s) {
    out += (s > 0 ? ", " : "") + std::to_string(comparison.series[s].fps);
  }
  out += "], \"rows\": [";
  for (std::size_t r = 0; r < comparison.percents.size(); ++r) {
    const int32_t percent = comparison.percents[r];
    out += (r > 0 ? ", " : "") + ("{\"rea\": " + std::to_string(percent)) + ", \"bps\": [";
    for (std::size_t s = 0; s < comparison.series.size(); ++s) {
      if (s > 0) out += ", ";
      out += ComparisonCell(answer.setup.inputs, comparison.series[s], percent);
    }
    out += "]}";
  }
  out += "]}";
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

void AppendJsonAnswerMembers(std::string& out, const SetupAnswer& answer) {
  out += "\"rows\": [";
  for (std::size_t k = 0; k < answer.rows.size(); ++k) {
    if (k > 0) out += ", ";
    AppendRow(out, FormatRowTexts(answer.setup.inputs, answer.rows[k]));
  }
  out += ']';
  if (answer.setup.at >= 0) AppendStanding(out, answer);
  if (answer.setup.comparing) AppendComparison(out, answer);
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
