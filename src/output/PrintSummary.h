#pragma once

#include "output/ReportLayout.h"

#include <functional>

class QWidget;

// Prints a title and summary lines on a window's template: the title into
// txtTitolo, the lines into txtRiepilogo (replacing those of any earlier
// print), the heights of the text and of its band set from the line count,
// the report laid out anew and handed to the printer through the print
// dialog (default printer, all pages, one copy). Cancelling prints nothing.
void PrintSummary(ReportLayout& layout, const QString& title, const QStringList& lines,
                  QWidget* parent = nullptr);

// Replaces the print dialog and the printer: the hook receives the report
// name and the laid-out pages. An empty hook restores real printing. Returns
// the hook it replaces.
using PrintHook = std::function<void(const QString& reportName, const QVector<ReportPage>& pages)>;
PrintHook SetPrintHook(PrintHook hook);
