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

// The windows that live for the whole run, created once at start-up: the
// password window first and alone, the others right after it has painted.
struct KeptWindows {
    TfrmPassword* Password = nullptr; // the main window, the only one visible at start
    TfrmAvvio* Avvio = nullptr;
    TfrmCambiaPassword* CambiaPassword = nullptr;
    TfrmMenuListini* MenuListini = nullptr;
    TfrmMenuOrdinazioni* MenuOrdinazioni = nullptr;
    TfrmOrdinazioni* Ordinazioni = nullptr;
    TfrmApriOrdinazioni* ApriOrdinazioni = nullptr;
};

// Every kept window: those not created yet are created first, so none can
// be reached or shown before all exist.
const KeptWindows& Kept();

// Creates the password window and shows it; the other kept windows follow in
// their fixed order once it has painted, or as soon as Kept() or a choice in
// the password window needs them. Dialog windows are built only when opened.
void CreateWindows();

// Destroys the kept windows, those created so far, without running any close
// handler.
void DestroyWindows();

// What the program sets up before its application object exists: software
// drawing, and large blocks of memory (a window's backing store, a picture)
// taken from the system and given back to it when freed.
void PrepareProcess();

// The program's start once the application exists: Qt's own texts in
// Italian, windows that only hide when closed, and the kept windows.
void StartProgram();

// Ends the program at once: the event loop stops, no window is asked.
void EndProgram();

// Tests observe the end of the program instead; an empty hook restores it.
// Returns the hook it replaces.
std::function<void()> SetEndProgramHook(std::function<void()> hook);
