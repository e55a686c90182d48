// Handles of the controls that the Calculate command reads and fills. There is
// one main window, so one set; CreateMainControls writes them on WM_CREATE.
#pragma once

#include <windows.h>

extern HWND hBaseReaEdit;
extern HWND hFiringModeEdit;
extern HWND hFpsEdit;
extern HWND hReaEdit;
extern HWND hResultList;
