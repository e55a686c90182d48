// The main window class and its window procedure.
#include "main_window.h"

#include "calculate.h"
#include "controls.h"
#include "resource_ids.h"

void RegisterMainWindowClass(HINSTANCE hInstance) {
  WNDCLASSW wc = {};
  wc.style = 0;
  wc.lpfnWndProc = MainWindowProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_REACALC_WINDOW));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = kMainWindowClass;
  RegisterClassW(&wc);
}

HWND CreateMainWindow(HINSTANCE hInstance) {
  // No sizing border and no maximise box: the layout is fixed in pixels. The
  // platform adds the caption to any overlapped window by itself.
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;
  return CreateWindowExW(0, kMainWindowClass, kMainWindowTitle, kStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, 610, 360, nullptr, nullptr, hInstance, nullptr);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateMainControls(hwnd);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_CALCULATE) {
        OnCalculate();
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}
