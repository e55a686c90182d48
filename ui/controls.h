// The main window's child controls: four labelled fields, the Calculate button
// and the results list view.
#pragma once

#include <windows.h>

// Control identifier of the Calculate button, sent with its WM_COMMAND.
inline constexpr int IDC_CALCULATE = 1;

// Creates every child control of the main window and stores the handles
// declared in handles.h. Called once, on WM_CREATE.
void CreateMainControls(HWND hwnd);
