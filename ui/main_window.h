// The main window: its class, its creation and its window procedure.
#pragma once

#include <windows.h>

inline constexpr const wchar_t* kMainWindowClass = L"ReaCalcWindow";
inline constexpr const wchar_t* kMainWindowTitle =
    L"Quennix Zizedavuri Vodivodido (WinAPI) Borlathe v2";

// Registers "ReaCalcWindow". The result is not checked: a failed registration
// shows up as a failed CreateMainWindow.
void RegisterMainWindowClass(HINSTANCE hInstance);

// Creates the fixed-size main window with its controls, not yet shown.
// Returns nullptr when the platform refuses.
HWND CreateMainWindow(HINSTANCE hInstance);

// Routes WM_CREATE, WM_COMMAND and WM_DESTROY; everything else goes to
// DefWindowProcW.
LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
