// Entry point: register, create, show, loop.
#include <windows.h>

#include "main_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nCmdShow) {
  RegisterMainWindowClass(hInstance);
  HWND hwnd = CreateMainWindow(hInstance);
  if (hwnd == nullptr) {
    return 0;  // nothing to show and nothing to tell: end quietly
  }
  ShowWindow(hwnd, nCmdShow);
  UpdateWindow(hwnd);

  // No accelerators and no IsDialogMessage: Tab and Enter do nothing special.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
