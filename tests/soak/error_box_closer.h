// Closes the "Error" message boxes that Calculate opens, from inside their own
// modal loop, so a long run of clicks needs no one at the keyboard.
#pragma once

#include <windows.h>

// Clicks the button with id 1 of `mainWindow`, closing with OK every error
// box of this thread that opens meanwhile. Returns how many were closed.
int ClickClosingErrorBoxes(HWND mainWindow);
