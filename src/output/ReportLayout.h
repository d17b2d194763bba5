#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

// The one printed layout of the program: on landscape A4, a title bar, a
// block of monospaced summary lines and a bar with the print date. A window
// keeps its own template; printing sets its title, lines and heights and lays
// it out into pages of placed text boxes, which are then painted on a printer
// or a PDF file.

// Report units are 1/96 inch.
constexpr double UnitsPerMm = 3.77953;
constexpr double MmToUnits(double mm) {
    return mm * UnitsPerMm;
}

// A4 landscape with 10 mm margins on every side.
constexpr double PageWidthMm = 297;
constexpr double PageHeightMm = 210;
constexpr double PageMarginMm = 10;
constexpr double PrintableWidth = MmToUnits(PageWidthMm - 2 * PageMarginMm);
constexpr double PrintableHeight = MmToUnits(PageHeightMm - 2 * PageMarginMm);

// That page as a printer or a PDF writer takes it.
QPageLayout ReportPageLayout();

// One summary line takes 12.822 units (3.39 mm); the summary band is 10 units
// taller than its text.
constexpr double SummaryLineHeight = 12.822;
constexpr double SummaryBandExtra = 10;

// A text object of a band, placed relative to the band, in report units.
struct ReportTextObject {
    QString name;
    QRectF geometry;
    QFont font;
    QColor colour;
    QColor background; // invalid: no background
    Qt::Alignment alignment;
    QStringList lines;
};

struct ReportBand {
    QString name;
    double height;
    QVector<ReportTextObject> objects;
};

// A text placed on a page, in report units from the top left corner of the
// printable area. The text is already cut to what fits in the box.
struct PlacedText {
    QString object; // the text object it comes from
    QRectF box;
    QString text;
    QFont font;
    QColor colour;
    QColor background;
    Qt::Alignment alignment;
    int line = -1; // the summary line it prints (its index), -1 for the bars
};

struct ReportPage {
    QVector<PlacedText> texts;
};

class ReportLayout {
public:
    // The template with its report name, which also names the print job.
    explicit ReportLayout(const QString& reportName);

    QString reportName() const { return m_reportName; }

    // A named band (ReportTitle, MasterData, Footer) or text object
    // (txtTitolo, txtRiepilogo, txtPagina); null when there is none.
    ReportBand* findBand(const QString& name);
    ReportTextObject* findObject(const QString& name);
    const ReportTextObject* findObject(const QString& name) const;

    // Lays the template out anew, evaluating [DATE] with the given day.
    QVector<ReportPage> layOut(const QDate& date) const;

private:
    QString m_reportName;
    QVector<ReportBand> m_bands;
};

// The whole text an object prints: its lines, with [DATE] evaluated in the
// date bar only (a title holding the same letters prints as passed).
QString PrintedText(const ReportTextObject& object, const QDate& date);

// The report names of the printing windows.
inline const QString PriceListReportName = QStringLiteral("Listino Prezzi");
inline const QString TableListReportName = QStringLiteral("Elenco Tavoli");
inline const QString TicketReportName = QStringLiteral("Orbisala");
