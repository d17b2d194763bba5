#pragma once

#include "output/ReportLayout.h"

#include <QPageSize>

class QPagedPaintDevice;
class QPainter;

// Paints laid-out A4 pages on a printer, a PDF writer or any paged device,
// setting its page layout to A4 landscape with 10 mm margins. False when
// painting could not start (the device refused).
[[nodiscard]] bool PaintReport(const QVector<ReportPage>& pages, QPagedPaintDevice* device);

// The same on the given page layout (a roll's).
[[nodiscard]] bool PaintReport(const QVector<ReportPage>& pages, QPagedPaintDevice* device,
                               const QPageLayout& pageLayout);

// Paints one page on a painter whose device has the given resolution, with
// the printable area's top left corner at the painter's origin.
void PaintReportPage(const ReportPage& page, QPainter& painter, double dotsPerInch);

// The longest page a PDF file holds: 200 inches.
constexpr double LongestPdfPageMm = 5080;

// Prints the filled template on the device for the paper it holds: the A4
// pages when the paper is at least RollThresholdMm wide, otherwise the roll
// layout, portrait, with the roll's margins (wider where the device asks):
// one page as long as its content, and at least as long as the paper is
// wide, when the device takes that length (up to longestPageMm), else pages
// of the paper's own length. False when painting
// could not start.
[[nodiscard]] bool PrintOnPaper(const ReportLayout& layout, const QDate& date,
                                const QPageSize& paper, QPagedPaintDevice* device,
                                double longestPageMm = LongestPdfPageMm);
