#pragma once

struct KeptWindows;

// Connects where each kept window leads. The whole navigation of the program
// is read here: a window only says what the user chose, this table shows the
// next window and hides the one left behind.
void WireNavigation(const KeptWindows& windows);
