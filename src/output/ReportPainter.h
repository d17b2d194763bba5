#pragma once

#include "output/ReportLayout.h"

class QPagedPaintDevice;
class QPainter;

// Paints laid-out pages on a printer, a PDF writer or any paged device whose
// page layout is A4 landscape with 10 mm margins. False when painting could
// not start (the device refused).
bool PaintReport(const QVector<ReportPage>& pages, QPagedPaintDevice* device);

// Paints one page on a painter whose device has the given resolution, with
// the printable area's top left corner at the painter's origin.
void PaintReportPage(const ReportPage& page, QPainter& painter, double dotsPerInch);
