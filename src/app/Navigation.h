#pragma once

class TfrmPassword;
struct KeptWindows;

// Connects where each kept window leads. The whole navigation of the program
// is read here: a window only says what the user chose, this table shows the
// next window and hides the one left behind. The window a choice leads to is
// looked up through Kept() when the choice is made, so a choice made before
// the later windows exist creates them first.

// The password window's choices, wired as soon as it exists.
void WirePasswordWindow(TfrmPassword* password);

// The choices of every other kept window, once they all exist.
void WireNavigation(const KeptWindows& windows);
