#include "output/PrintSummary.h"

#include "output/ReportPainter.h"
#include "platform/Clock.h"
#include "widgets/ModalDialogs.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

PrintHook& Hook() {
    static PrintHook hook;
    return hook;
}

void PrintThroughDialog(const QString& reportName, const QVector<ReportPage>& pages,
                        QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(reportName);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                    QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                    QPageLayout::Millimeter));
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    // Without any printer the dialog offers only its print-to-file choice:
    // propose a PDF named after the report in the user's home folder.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(reportName + QStringLiteral(".pdf")));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Stampa"));
    if (ShowModal(&dialog) != QDialog::Accepted)
        return;
    PaintReport(pages, &printer);
}

} // namespace

void PrintSummary(ReportLayout& layout, const QString& title, const QStringList& lines,
                  QWidget* parent) {
    ReportTextObject* txtTitolo = layout.findObject(QStringLiteral("txtTitolo"));
    ReportTextObject* txtRiepilogo = layout.findObject(QStringLiteral("txtRiepilogo"));
    ReportBand* masterData = layout.findBand(QStringLiteral("MasterData"));
    txtTitolo->lines = QStringList{title};
    txtRiepilogo->lines = lines;
    txtRiepilogo->geometry.setHeight(lines.size() * SummaryLineHeight);
    masterData->height = txtRiepilogo->geometry.height() + SummaryBandExtra;

    const QVector<ReportPage> pages = layout.layOut(CurrentDateTime().date());
    if (Hook())
        Hook()(layout.reportName(), pages);
    else
        PrintThroughDialog(layout.reportName(), pages, parent);
}

PrintHook SetPrintHook(PrintHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
