#include "output/ReportPainter.h"

#include "output/RollLayout.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

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
    return PaintReport(pages, device, ReportPageLayout());
}

bool PaintReport(const QVector<ReportPage>& pages, QPagedPaintDevice* device,
                 const QPageLayout& pageLayout) {
    device->setPageLayout(pageLayout);
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

bool PrintOnPaper(const ReportLayout& layout, const QDate& date, const QPageSize& paper,
                  QPagedPaintDevice* device, double longestPageMm) {
    if (!IsRollPaper(paper))
        return PaintReport(layout.layOut(date), device);

    // The roll as the device holds it: a printer may keep wider margins,
    // those its head cannot reach.
    device->setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait,
                    QMarginsF(RollSideMarginMm, RollEndMarginMm, RollSideMarginMm, RollEndMarginMm),
                    QPageLayout::Millimeter));
    const QPageLayout roll = device->pageLayout();
    const QRectF printable = roll.paintRect(QPageLayout::Millimeter);
    const double width = MmToUnits(printable.width());

    // One page as long as the printout, where the device takes that length;
    // never shorter than wide, which a driver could take for a landscape page.
    const QVector<ReportPage> whole = LayOutForRoll(layout, date, width);
    const QMarginsF margins = roll.margins(QPageLayout::Millimeter);
    const double paperWidth = roll.fullRect(QPageLayout::Millimeter).width();
    const double length = std::max(
        std::ceil(margins.top() + ContentHeight(whole.value(0)) / UnitsPerMm + margins.bottom()),
        std::ceil(paperWidth));
    if (length <= longestPageMm) {
        const QPageLayout fitted(QPageSize(QSizeF(paperWidth, length), QPageSize::Millimeter,
                                           QString(), QPageSize::ExactMatch),
                                 QPageLayout::Portrait, margins, QPageLayout::Millimeter);
        if (device->setPageLayout(fitted))
            return PaintReport(whole, device, device->pageLayout());
    }
    // Else pages of the roll's own length.
    return PaintReport(LayOutForRoll(layout, date, width, MmToUnits(printable.height())), device,
                       roll);
}
