#pragma once

#include <QString>

// The folder of the running program, with its trailing separator. Every data
// file of the program lives directly in it; no other folder is used.
QString ProgramFolder();

// Points ProgramFolder at another folder (tests, tools). An empty text goes
// back to the folder of the running program. Returns the folder it replaces
// (empty for the folder of the running program).
QString SetProgramFolder(const QString& folder);
