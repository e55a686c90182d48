#include "error_box_closer.h"

#include <algorithm>
#include <vector>

#include "controls.h"

namespace {

// A thread timer carries no context, so the boxes of the current click live
// here; there is one thread.
std::vector<HWND> closedBoxes;

bool IsOpenErrorBox(HWND hwnd) {
  wchar_t className[16] = {};
  wchar_t caption[16] = {};
  GetClassNameW(hwnd, className, 16);
  GetWindowTextW(hwnd, caption, 16);
  return lstrcmpW(className, L"#32770") == 0 && lstrcmpW(caption, L"Error") == 0 &&
         IsWindowVisible(hwnd);
}

BOOL CALLBACK CloseIfErrorBox(HWND hwnd, LPARAM) {
  if (IsOpenErrorBox(hwnd) &&
      std::find(closedBoxes.begin(), closedBoxes.end(), hwnd) == closedBoxes.end()) {
    closedBoxes.push_back(hwnd);
    PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
  }
  return TRUE;
}

// Runs from the message box's modal loop, which dispatches the thread's timer
// messages; 10 ms is the shortest period a timer gets.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), CloseIfErrorBox, 0);
}

}  // namespace

int ClickClosingErrorBoxes(HWND mainWindow) {
  closedBoxes.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
  SendMessageW(GetDlgItem(mainWindow, IDC_CALCULATE), BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  return static_cast<int>(closedBoxes.size());
}
