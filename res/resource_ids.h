// Resource identifiers shared by reacalc.rc and the C++ code.
#pragma once

// The shell shows the lowest-numbered icon group as the program file's icon;
// the window class uses the other. Both hold the same picture.
#define IDI_REACALC_FILE 1024
#define IDI_REACALC_WINDOW 1025
