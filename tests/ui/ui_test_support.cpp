#include "ui_test_support.h"

#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include "controls.h"
#include "handles.h"
#include "main_window.h"

HWND OpenMainWindow() {
  static const bool registered = [] {
    RegisterMainWindowClass(GetModuleHandleW(nullptr));
    return true;
  }();
  (void)registered;
  HWND hwnd = CreateMainWindow(GetModuleHandleW(nullptr));
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return hwnd;
}

void CloseMainWindow(HWND hwnd) {
  DestroyWindow(hwnd);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

std::wstring WindowText(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

std::wstring ClassName(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

void SetFields(const wchar_t* baseRea, const wchar_t* firingMode, const wchar_t* fps,
               const wchar_t* rea) {
  const std::pair<HWND, const wchar_t*> fields[] = {
      {hBaseReaEdit, baseRea}, {hFiringModeEdit, firingMode}, {hFpsEdit, fps}, {hReaEdit, rea}};
  for (const auto& [edit, text] : fields) {
    if (text != nullptr) {
      SetWindowTextW(edit, text);
    }
  }
}

Rows TableRows() {
  Rows rows;
  const int count = static_cast<int>(SendMessageW(hResultList, LVM_GETITEMCOUNT, 0, 0));
  for (int k = 0; k < count; ++k) {
    std::wstring cells[2];
    for (int sub = 0; sub < 2; ++sub) {
      wchar_t text[64] = {};
      LVITEMW item = {};
      item.iSubItem = sub;
      item.pszText = text;
      item.cchTextMax = 64;
      SendMessageW(hResultList, LVM_GETITEMTEXTW, k, reinterpret_cast<LPARAM>(&item));
      cells[sub] = text;
    }
    rows.emplace_back(cells[0], cells[1]);
  }
  return rows;
}

namespace {

// A thread timer has no context argument, so the watcher state is global; the
// tests run on one thread. A click from inside an open box gets a watch of its
// own; boxes already handled by an outer watch are not seen again.
struct BoxWatch {
  HWND mainWindow = nullptr;
  const std::function<void()>* whileFirstOpen = nullptr;
  std::vector<SeenBox> seen;
};
BoxWatch* watch = nullptr;
std::vector<HWND> handledBoxes;

BOOL CALLBACK CountButton(HWND child, LPARAM param) {
  auto* box = reinterpret_cast<SeenBox*>(param);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (ClassName(child) == L"Button" && (style & WS_VISIBLE)) {
    ++box->buttons;
  }
  if (ClassName(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    box->errorIcon = icon != nullptr && icon == LoadIconW(nullptr, IDI_ERROR);
  }
  return TRUE;
}

SeenBox Inspect(HWND box) {
  SeenBox seen = {WindowText(box),
                  WindowText(GetDlgItem(box, 0xFFFF)),
                  GetWindow(box, GW_OWNER),
                  false,
                  0,
                  IsWindowEnabled(watch->mainWindow) != FALSE};
  EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen));
  return seen;
}

BOOL CALLBACK FindOpenBox(HWND hwnd, LPARAM param) {
  if (ClassName(hwnd) != L"#32770" || !IsWindowVisible(hwnd)) {
    return TRUE;
  }
  for (HWND done : handledBoxes) {
    if (done == hwnd) {
      return TRUE;
    }
  }
  *reinterpret_cast<HWND*>(param) = hwnd;
  return FALSE;
}

void CALLBACK OnWatchTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindOpenBox, reinterpret_cast<LPARAM>(&box));
  if (box == nullptr) {
    return;
  }
  handledBoxes.push_back(box);
  watch->seen.push_back(Inspect(box));
  if (watch->seen.size() == 1 && watch->whileFirstOpen != nullptr && *watch->whileFirstOpen) {
    (*watch->whileFirstOpen)();
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

std::vector<SeenBox> ClickCalculate(HWND hwnd, const std::function<void()>& whileFirstOpen) {
  BoxWatch state;
  state.mainWindow = hwnd;
  state.whileFirstOpen = &whileFirstOpen;
  BoxWatch* const outer = watch;
  watch = &state;
  // Timer messages reach us only through a message box's own modal loop.
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnWatchTimer);
  SendMessageW(GetDlgItem(hwnd, IDC_CALCULATE), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  watch = outer;
  if (outer == nullptr) {
    handledBoxes.clear();
  }
  return state.seen;
}
