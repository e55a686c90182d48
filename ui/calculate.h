// The Calculate command.
#pragma once

// Reads the four fields in order; at the first one that fails, shows its
// message in a box captioned "Error" and leaves the table as it is. Otherwise
// replaces the table's rows with the breakpoints of the four inputs.
void OnCalculate();
