#include "output/ReportPainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

void PaintReportPage(const ReportPage& page, QPainter& painter, double dotsPerInch) {
    // Boxes are in report units (1/96 inch); fonts keep their point sizes and
    // the device scales them by its own resolution.
    const double scale = dotsPerInch / 96.0;
    for (const PlacedText& text : page.texts) {
        const QRectF box(text.box.x() * scale, text.box.y() * scale, text.box.width() * scale,
                         text.box.height() * scale);
        if (text.background.isValid())
            painter.fillRect(box, text.background);
        painter.save();
        painter.setClipRect(box);
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(box, int(text.alignment) | Qt::TextSingleLine, text.text);
        painter.restore();
    }
}

bool PaintReport(const QVector<ReportPage>& pages, QPagedPaintDevice* device) {
    device->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                    QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(device))
        return false;
    // The painter starts at the corner of the printable area inside the margins.
    const double dotsPerInch = device->logicalDpiX();
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        PaintReportPage(pages[i], painter, dotsPerInch);
    }
    return painter.end();
}
