#pragma once

#include <functional>

class QWidget;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmMenuListini;
class TfrmMenuOrdinazioni;
class TfrmOrdinazioni;
class TfrmApriOrdinazioni;

// The windows that live for the whole run, created once at start-up.
struct KeptWindows {
    TfrmPassword* Password = nullptr; // the main window, the only one visible at start
    TfrmAvvio* Avvio = nullptr;
    TfrmCambiaPassword* CambiaPassword = nullptr;
    TfrmMenuListini* MenuListini = nullptr;
    TfrmMenuOrdinazioni* MenuOrdinazioni = nullptr;
    TfrmOrdinazioni* Ordinazioni = nullptr;
    TfrmApriOrdinazioni* ApriOrdinazioni = nullptr;
};

const KeptWindows& Kept();

// Creates the kept windows in their fixed order and shows the password
// window. Dialog windows are built only when they are opened.
void CreateWindows();

// Destroys the kept windows without running any close handler.
void DestroyWindows();

// Ends the program at once: the event loop stops, no window is asked.
void EndProgram();

// Tests observe the end of the program instead; an empty hook restores it.
// Returns the hook it replaces.
std::function<void()> SetEndProgramHook(std::function<void()> hook);
