// Drives a running reacalc from outside, for scripts/run's screenshot:
//   window_driver calculate  waits for the main window, clicks Calculate, waits
//                            for the table to fill and prints the window's
//                            rectangle as WIDTHxHEIGHT+X+Y (ImageMagick geometry)
//   window_driver close      closes the main window
// Exit code 0 on success, 1 when the window or its table does not show up.
#include <windows.h>
// commctrl.h builds on the types of windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND WaitForWindow(const wchar_t* className, HWND parent, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    HWND hwnd = parent == nullptr ? FindWindowW(className, nullptr)
                                  : FindWindowExW(parent, nullptr, className, nullptr);
    if (hwnd != nullptr && IsWindowVisible(hwnd)) {
      return hwnd;
    }
    Sleep(100);
  }
  return nullptr;
}

int Calculate(HWND hwnd) {
  HWND list = WaitForWindow(WC_LISTVIEWW, hwnd, 5000);
  if (list == nullptr) {
    return 1;
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutW(GetDlgItem(hwnd, 1), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
  for (int waited = 0; SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; waited += 100) {
    if (waited >= 5000) {
      return 1;
    }
    Sleep(100);
  }
  RECT rect;
  GetWindowRect(hwnd, &rect);
  std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left,
              rect.top);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: window_driver calculate|close\n", stderr);
    return 2;
  }
  HWND hwnd = WaitForWindow(L"ReaCalcWindow", nullptr, 30000);
  if (hwnd == nullptr) {
    std::fputs("window_driver: no ReaCalcWindow\n", stderr);
    return 1;
  }
  if (std::wcscmp(argv[1], L"calculate") == 0) {
    return Calculate(hwnd);
  }
  if (std::wcscmp(argv[1], L"close") == 0) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    return 0;
  }
  std::fputs("usage: window_driver calculate|close\n", stderr);
  return 2;
}
