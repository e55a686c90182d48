// The Calculate command: validate the fields, compute, fill the table.
#include "calculate.h"

#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include <new>
#include <variant>
#include <vector>

#include "breakpoint_table.h"
#include "calc_inputs.h"
#include "format_row.h"
#include "handles.h"

namespace {

template <class T>
using FieldRule = FieldResult<T> (*)(const wchar_t*) noexcept;

// Reads one field and applies its rule. On failure shows the rule's message
// and returns false once the box is closed. Each call has its own buffer, so a
// Calculate run from inside an open message box cannot disturb this one.
template <class T>
bool ReadField(HWND hEdit, FieldRule<T> rule, T& value) {
  wchar_t text[64] = {};  // at most 63 characters arrive; longer texts are cut
  GetWindowTextW(hEdit, text, 64);
  const FieldResult<T> result = rule(text);
  if (const auto* error = std::get_if<InputValidationError>(&result)) {
    // Passed as is, never through a formatter: "Enter valid REA % > 0" has a '%'.
    MessageBoxW(nullptr, error->message, L"Error", MB_ICONERROR);
    return false;
  }
  value = std::get<T>(result);
  return true;
}

void ShowRows(const std::vector<BreakpointRow>& rows) {
  SendMessageW(hResultList, LVM_DELETEALLITEMS, 0, 0);
  for (size_t k = 0; k < rows.size(); ++k) {
    wchar_t reaText[32];
    wchar_t bpsText[64];
    FormatBreakpointRow(rows[k], reaText, bpsText);

    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(k);
    item.iSubItem = 0;
    item.pszText = reaText;
    item.state = 0;
    SendMessageW(hResultList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

    LVITEMW cell = {};
    cell.iSubItem = 1;
    cell.pszText = bpsText;
    SendMessageW(hResultList, LVM_SETITEMTEXTW, k, reinterpret_cast<LPARAM>(&cell));
  }
  // Column 0 first: the last column stretches over whatever width is left.
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  SendMessageW(hResultList, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
}

}  // namespace

void OnCalculate() {
  CalcInputs inputs = {};
  // Short-circuit: a field is read only after the one before it passed.
  const bool accepted = ReadField<double>(hBaseReaEdit, ParseBaseRea, inputs.baseRea) &&
                        ReadField<int32_t>(hFiringModeEdit, ParseFiringMode, inputs.firingMode) &&
                        ReadField<int32_t>(hFpsEdit, ParseFps, inputs.fps) &&
                        ReadField<int32_t>(hReaEdit, ParseReaLimit, inputs.reaLimit);
  if (!accepted) {
    return;
  }

  std::vector<BreakpointRow> rows;
  try {
    rows = ComputeBreakpointTable(inputs);
  } catch (const std::bad_alloc&) {
    return;  // out of memory for at most 100 rows: keep the table as it was
  }
  ShowRows(rows);
}
