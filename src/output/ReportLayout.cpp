#include "output/ReportLayout.h"

#include "platform/Formatting.h"
#include "platform/Palette.h"

#include <QFontMetricsF>
#include <QImage>

#include <utility>

namespace {

using Theme::SlateGrey;

ReportTextObject Text(const QString& name, QRectF mm, const QFont& font, QColor colour,
                      QColor background, Qt::Alignment alignment, const QString& text) {
    return {
        name,
        QRectF(MmToUnits(mm.x()), MmToUnits(mm.y()), MmToUnits(mm.width()), MmToUnits(mm.height())),
        font,
        colour,
        background,
        alignment,
        text.isEmpty() ? QStringList() : QStringList{text}};
}

// Measures text as the report's 96-dot-per-inch units see it.
const QImage& ReportDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(96 / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

// The longest beginning of the text that fits in the width: text beyond the
// right edge of a box is not printed, and nothing wraps.
QString CutToWidth(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font, &ReportDevice());
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low);
}

// The object's text box at a top on the page.
PlacedText Place(const ReportTextObject& object, double top, const QString& text, double height) {
    const QRectF box(object.geometry.x(), top, object.geometry.width(), height);
    return {object.name,
            box,
            CutToWidth(text, object.font, box.width()),
            object.font,
            object.colour,
            object.background,
            object.alignment,
            -1};
}

} // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                       QPageLayout::Millimeter);
}

QString PrintedText(const ReportTextObject& object, const QDate& date) {
    QString text = object.lines.join(u'\n');
    if (object.name == u"txtPagina")
        text.replace(QStringLiteral("[DATE]"), ShortDateText(date));
    return text;
}

ReportLayout::ReportLayout(const QString& reportName) : m_reportName(reportName) {
    const QFont titleFont = Theme::Verdana(9, true);
    const QFont summaryFont = Theme::CourierNew(8);
    const QFont dateFont = Theme::Verdana(8, true);
    m_bands = {
        {QStringLiteral("ReportTitle"),
         MmToUnits(8),
         {Text(QStringLiteral("txtTitolo"), {2, 1, 273, 5}, titleFont, Qt::white, SlateGrey,
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Riepilogo"))}},
        {QStringLiteral("MasterData"),
         MmToUnits(28),
         {Text(QStringLiteral("txtRiepilogo"), {3, 0, 273, 27}, summaryFont, Qt::black, QColor(),
               Qt::AlignLeft | Qt::AlignTop, QString())}},
        {QStringLiteral("Footer"),
         MmToUnits(8),
         {Text(QStringLiteral("txtPagina"), {3, 2, 272, 5}, dateFont, Qt::white, SlateGrey,
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Stampa eseguita in data [DATE]"))}},
    };
}

ReportBand* ReportLayout::findBand(const QString& name) {
    for (ReportBand& band : m_bands)
        if (band.name == name)
            return &band;
    return nullptr;
}

ReportTextObject* ReportLayout::findObject(const QString& name) {
    return const_cast<ReportTextObject*>(std::as_const(*this).findObject(name));
}

const ReportTextObject* ReportLayout::findObject(const QString& name) const {
    for (const ReportBand& band : m_bands)
        for (const ReportTextObject& object : band.objects)
            if (object.name == name)
                return &object;
    return nullptr;
}

QVector<ReportPage> ReportLayout::layOut(const QDate& date) const {
    QVector<ReportPage> pages(1);
    double y = 0;
    const auto newPage = [&] {
        pages.append(ReportPage());
        y = 0;
    };

    for (const ReportBand& band : m_bands) {
        if (band.name == u"MasterData") {
            // The summary band splits between its lines when it does not fit;
            // a line that does not fit starts the next page.
            double bandTop = y;
            for (const ReportTextObject& object : band.objects) {
                for (int i = 0; i < object.lines.size(); ++i) {
                    const double offset = object.geometry.y() + i * SummaryLineHeight;
                    if (bandTop + offset + SummaryLineHeight > PrintableHeight &&
                        bandTop + offset > 0) {
                        newPage();
                        bandTop = -offset;
                    }
                    PlacedText line =
                        Place(object, bandTop + offset, object.lines[i], SummaryLineHeight);
                    line.line = i;
                    pages.last().texts.append(line);
                }
            }
            y = bandTop + band.height;
            continue;
        }
        if (y + band.height > PrintableHeight && y > 0)
            newPage();
        for (const ReportTextObject& object : band.objects)
            pages.last().texts.append(Place(object, y + object.geometry.y(),
                                            PrintedText(object, date), object.geometry.height()));
        y += band.height;
    }
    return pages;
}
