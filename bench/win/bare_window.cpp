// The baseline of the window timings: the least a Win32 program does to show
// a window like reacalc's. Same class fields, resources, style and size
// (610x360), one list view with the same two columns, and on command 1 the
// same eight rows and column sizing, from constant texts. Whatever reacalc
// takes beyond this is its own work: the other controls, reading and checking
// the fields, the table and its texts.
#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include "resource_ids.h"

namespace {

constexpr wchar_t kClassName[] = L"BareWindow";
HWND hList = nullptr;

// The rows reacalc shows for its default fields.
constexpr const wchar_t* kRows[8][2] = {{L"0", L"6.667"},   {L"12", L"7.500"},  {L"23", L"8.571"},
                                        {L"34", L"10.000"}, {L"45", L"12.000"}, {L"56", L"15.000"},
                                        {L"67", L"20.000"}, {L"78", L"30.000"}};

void CreateList(HWND parent) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  hList = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                          200, 10, 380, 300, parent, nullptr, nullptr, nullptr);
  SendMessageW(hList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const wchar_t* headers[] = {L"REA", L"BPS"};
  const int widths[] = {100, 150};
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(headers[i]);
    column.cx = widths[i];
    SendMessageW(hList, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
}

void FillRows() {
  SendMessageW(hList, LVM_DELETEALLITEMS, 0, 0);
  for (int k = 0; k < 8; ++k) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = k;
    item.pszText = const_cast<wchar_t*>(kRows[k][0]);
    SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    LVITEMW cell = {};
    cell.iSubItem = 1;
    cell.pszText = const_cast<wchar_t*>(kRows[k][1]);
    SendMessageW(hList, LVM_SETITEMTEXTW, k, reinterpret_cast<LPARAM>(&cell));
  }
  SendMessageW(hList, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
  SendMessageW(hList, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateList(hwnd);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == 1) FillRows();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nCmdShow) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_REACALC_WINDOW));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);

  HWND hwnd =
      CreateWindowExW(0, kClassName, L"Bare window", WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX,
                      CW_USEDEFAULT, CW_USEDEFAULT, 610, 360, nullptr, nullptr, hInstance, nullptr);
  if (hwnd == nullptr) return 0;
  ShowWindow(hwnd, nCmdShow);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
