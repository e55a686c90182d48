// Drives the main window inside the test process, through its messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Registers the class (once) and creates and shows the main window.
HWND OpenMainWindow();
// Destroys it and drops the quit message its WM_DESTROY posts.
void CloseMainWindow(HWND hwnd);

std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// Sets the four fields; nullptr leaves a field as it is.
void SetFields(const wchar_t* baseRea, const wchar_t* firingMode, const wchar_t* fps,
               const wchar_t* rea);

// The (REA, BPS) texts of every row of the results table.
using Rows = std::vector<std::pair<std::wstring, std::wstring>>;
Rows TableRows();

// A message box as seen while it was open.
struct SeenBox {
  std::wstring caption;
  std::wstring text;  // of the static with id 0xFFFF
  HWND owner;         // GW_OWNER
  bool errorIcon;     // shows the system's error icon
  int buttons;        // visible buttons
  bool mainEnabled;   // the main window still took input meanwhile
};

// Clicks Calculate the way a user does, with BM_CLICK on the button with id 1,
// and returns the message boxes that opened meanwhile. Each box is recorded
// and closed with OK, so a wrong box cannot hang the test; `whileFirstOpen`
// runs once, inside the first box's modal loop, before that box is closed.
std::vector<SeenBox> ClickCalculate(HWND hwnd, const std::function<void()>& whileFirstOpen = {});
