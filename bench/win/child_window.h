// A windowed program started as a child process and driven from outside
// through its windows' messages, the way the window timings need it.
#pragma once

#include <windows.h>

struct ChildWindow {
  PROCESS_INFORMATION process = {};
  HWND hwnd = nullptr;  // the visible main window
  HWND list = nullptr;  // its list view
};

// Starts the program and returns once a top-level window of `className` that
// belongs to it is visible. False when the child exits or 30 s pass first.
[[nodiscard]] bool StartAndWaitForWindow(const wchar_t* exePath, const wchar_t* className,
                                         ChildWindow& child);

// Presses command 1 and waits until the list view holds `rows` items: a
// BM_CLICK to the child control with id 1 where there is one (reacalc's
// Calculate button), else WM_COMMAND 1 to the window. False after 10 s.
[[nodiscard]] bool RunCommandOne(const ChildWindow& child, int rows);

// The child's peak working set so far, in bytes; 0 when it cannot be read.
[[nodiscard]] SIZE_T PeakWorkingSet(const ChildWindow& child);

// WM_CLOSE, then waits for the exit; a child still running after 10 s is
// ended. Releases the process handles.
void CloseChild(ChildWindow& child);
