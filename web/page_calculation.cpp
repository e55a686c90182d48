#include "page_calculation.h"

#include <cwchar>

#include "calc_inputs.h"
#include "format_row.h"
#include "svg_chart.h"

namespace {

// Applies one field's rule; false, with "!" and the field's message in `out`,
// when it fails.
template <class T, class Rule>
bool Accept(const FieldText& field, Rule rule, const wchar_t* message, T& value, std::string& out) {
  if (std::wcslen(field.text) == field.length) {
    const FieldResult<T> result = rule(field.text);
    if (const T* accepted = std::get_if<T>(&result)) {
      value = *accepted;
      return true;
    }
  }
  out.assign(1, '!');
  for (const wchar_t* c = message; *c; ++c) out += static_cast<char>(*c);
  return false;
}

void AppendWide(std::string& out, const wchar_t* text) {
  for (; *text; ++text) out += static_cast<char>(*text);  // cell texts are ASCII
}

}  // namespace

std::string CalculatePage(const FieldText (&fields)[4]) {
  std::string out;
  CalcInputs in{};
  if (!Accept(fields[0], ParseBaseRea, kBaseReaMessage, in.baseRea, out) ||
      !Accept(fields[1], ParseFiringMode, kFiringModeMessage, in.firingMode, out) ||
      !Accept(fields[2], ParseFps, kFpsMessage, in.fps, out) ||
      !Accept(fields[3], ParseReaLimit, kReaLimitMessage, in.reaLimit, out)) {
    return out;
  }
  const auto rows = ComputeBreakpointTable(in);
  for (const auto& row : rows) {
    wchar_t rea[32];
    wchar_t bps[64];
    FormatBreakpointRow(row, rea, bps);
    AppendWide(out, rea);
    out += '\t';
    AppendWide(out, bps);
    out += '\n';
  }
  out += '\n';
  out += RenderChartSvg(in, rows);
  return out;
}
