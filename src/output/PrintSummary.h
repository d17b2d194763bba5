#pragma once

#include "output/ReportLayout.h"

#include <functional>

class QWidget;

// Prints a title and summary lines on a window's template: the title into
// txtTitolo, the lines into txtRiepilogo (replacing those of any earlier
// print), the heights of the text and of its band set from the line count,
// the report laid out anew and handed to the printer through the print
// dialog (default printer, all pages, one copy, A4 landscape proposed).
// Cancelling prints nothing. On a printer whose paper is a receipt roll the
// report is laid out for the roll instead (output/RollLayout.h); a printer or
// file that refuses the job gets a warning.
void PrintSummary(ReportLayout& layout, const QString& title, const QStringList& lines,
                  QWidget* parent = nullptr);

// Replaces the print dialog and the printer: the hook receives the report
// name and the laid-out A4 pages. An empty hook restores real printing. Returns
// the hook it replaces.
using PrintHook = std::function<void(const QString& reportName, const QVector<ReportPage>& pages)>;
PrintHook SetPrintHook(PrintHook hook);
