#include "output/PrintSummary.h"

#include "output/ReportPainter.h"
#include "platform/Clock.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ModalDialogs.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <utility>

namespace {

PrintHook& Hook() {
    static PrintHook hook;
    return hook;
}

// The paper the printer chosen in the dialog prints on. A file takes the page
// the dialog set. A printer takes the dialog's page where it has such a
// paper; where it has not (A4 proposed to a receipt printer), its own
// default paper, the one it holds.
QPageSize ChosenPaper(const QPrinter& printer) {
    const QPageSize chosen = printer.pageLayout().pageSize();
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return chosen;
    const QPrinterInfo info(printer);
    const QList<QPageSize> sizes = info.supportedPageSizes();
    const bool held =
        sizes.isEmpty() || std::any_of(sizes.begin(), sizes.end(), [&](const QPageSize& size) {
            return size.isEquivalentTo(chosen);
        });
    return held || !info.defaultPageSize().isValid() ? chosen : info.defaultPageSize();
}

// The longest page the printer takes: its own limit where it states one, and
// never longer than the PDF file Qt hands it.
double LongestPage(const QPrinter& printer) {
    const QPageSize longest = QPrinterInfo(printer).maximumPhysicalPageSize();
    if (printer.outputFormat() != QPrinter::NativeFormat || !longest.isValid())
        return LongestPdfPageMm;
    const QSizeF size = longest.size(QPageSize::Millimeter);
    return std::min(std::max(size.width(), size.height()), LongestPdfPageMm);
}

QString PrintFailedText(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("La stampa non è riuscita: impossibile scrivere il file \"%1\".")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    return QStringLiteral("La stampa non è riuscita: la stampante \"%1\" non ha accettato il "
                          "documento.")
        .arg(printer.printerName());
}

void PrintThroughDialog(const ReportLayout& layout, const QDate& date, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(layout.reportName());
    printer.setPageLayout(ReportPageLayout());
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    // Without any printer the dialog offers only its print-to-file choice:
    // propose a PDF named after the report in the user's home folder.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(
            QDir::home().filePath(layout.reportName() + QStringLiteral(".pdf")));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Stampa"));
    if (ShowModal(&dialog) != QDialog::Accepted)
        return;
    // The engine's own word when the printer or the file refuses the job:
    // the printing windows do not look at the outcome.
    if (!PrintOnPaper(layout, date, ChosenPaper(printer), &printer, LongestPage(printer)))
        MessageBox::warning(parent, PrintFailedText(printer));
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

    const QDate date = CurrentDateTime().date();
    if (Hook())
        Hook()(layout.reportName(), layout.layOut(date));
    else
        PrintThroughDialog(layout, date, parent);
}

PrintHook SetPrintHook(PrintHook hook) {
    return std::exchange(Hook(), std::move(hook));
}
