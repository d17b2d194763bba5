#include "output/RollLayout.h"

#include "catalogue/PriceText.h"
#include "platform/TextTrim.h"
#include "tickets/OrderLine.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Qt prints at 1200 dots per inch, where a font's advances follow its size;
// measured at the report's 96 they snap to whole pixels, some per cent off,
// which on a roll is a character or two.
constexpr double PrintDotsPerInch = 1200;
constexpr double DotsPerUnit = PrintDotsPerInch / 96;

const QImage& PrintDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(PrintDotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

double TextWidth(const QString& text, const QFont& font) {
    return QFontMetricsF(font, &PrintDevice()).horizontalAdvance(text) / DotsPerUnit;
}

QFont WithPointSize(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

// The spacing of the A4 layout: bar rows as high as its bars, 1 mm above the
// title bar, 2 mm between it and the summary, and after the summary the 10
// units of its band and the date bar's 2 mm.
const double BarRowHeight = MmToUnits(5);
const double BarInset = MmToUnits(1); // bar text kept clear of the bar's ends
const double TitleGap = MmToUnits(1);
const double SummaryGap = MmToUnits(2);
const double DateGap = SummaryBandExtra + MmToUnits(2);

// Rows printed together on one page, their boxes from the block's top, after
// a gap that a new page drops.
struct Block {
    double gap = 0;
    QVector<PlacedText> rows;

    double height() const {
        double bottom = 0;
        for (const PlacedText& row : rows)
            bottom = std::max(bottom, row.box.bottom());
        return bottom;
    }
};

// The text in rows no wider than the width, broken at word boundaries (within
// a word longer than a row), rows after the first starting `indent` further
// right. Blanks at the end of a row do not print.
QStringList Wrap(const QString& text, const QFont& font, double width, double indent) {
    QTextLayout layout(text, font, &PrintDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList rows;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth((rows.isEmpty() ? width : width - indent) * DotsPerUnit);
        rows.append(TrimTrailingBlanks(text.mid(line.textStart(), line.textLength())));
    }
    layout.endLayout();
    if (rows.isEmpty())
        rows.append(QString());
    return rows;
}

// Appends the rows of one text to a block, one below the other.
void AppendRows(Block& block, const ReportTextObject& object, const QString& text,
                const QFont& font, Qt::Alignment alignment, double width, double indent,
                double rowHeight, int line) {
    const QStringList rows = Wrap(text, font, width, indent);
    for (int i = 0; i < rows.size(); ++i) {
        const double x = i == 0 ? 0 : indent;
        block.rows.append({object.name, QRectF(x, block.height(), width - x, rowHeight), rows[i],
                           font, object.colour, object.background, alignment, line});
    }
}

// A bar: the object's colours and face, its text centred in rows across the
// whole width. The bar's background is one box of its own, without text, so
// that no seam shows between its rows.
Block Bar(const ReportTextObject& object, const QString& text, double width, double gap) {
    const QStringList rows = Wrap(text, object.font, width - 2 * BarInset, 0);
    const Qt::Alignment alignment =
        (object.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    Block block{gap,
                {{object.name, QRectF(0, 0, width, rows.size() * BarRowHeight), QString(),
                  object.font, object.colour, object.background, alignment, -1}}};
    for (int i = 0; i < rows.size(); ++i)
        block.rows.append({object.name, QRectF(0, i * BarRowHeight, width, BarRowHeight), rows[i],
                           object.font, object.colour, QColor(), alignment, -1});
    return block;
}

// Where the amount column of a summary line starts (its "  € "): after the
// quantity and name of an order line, or after the name of a price-list
// line; -1 for a line without one (a table, the separator, the total).
qsizetype AmountColumn(const QString& line) {
    for (const qsizetype at :
         {qsizetype(QuantityColumnWidth + ProductColumnWidth), qsizetype(NameColumnWidth)})
        if (line.size() >= at + PriceSeparator.size() &&
            QStringView(line).sliced(at).startsWith(PriceSeparator))
            return at;
    return -1;
}

// The largest size, in tenths of a point from `largest` down to `smallest`,
// at which every text fits the width; 0 when not even `smallest` does.
double FittingPointSize(const QStringList& texts, const QFont& font, double width, double largest,
                        double smallest) {
    const auto widest = [&](double points) {
        const QFont sized = WithPointSize(font, points);
        double result = 0;
        for (const QString& text : texts)
            result = std::max(result, TextWidth(text, sized));
        return result;
    };
    const double atLargest = widest(largest);
    if (atLargest <= width)
        return largest;
    // Widths grow about in proportion to the size: start just above that
    // guess and go down a tenth at a time.
    int tenths =
        std::min(qRound(largest * 10), int(std::floor(largest * 10 * width / atLargest)) + 2);
    for (; tenths >= qRound(smallest * 10); --tenths)
        if (widest(tenths / 10.0) <= width)
            return tenths / 10.0;
    return 0;
}

// The summary lines, one block each. Whole, at the one size that fits the
// widest of them; or, below the readable size, each line with an amount
// column as a name row and a right-aligned amount row, at the size that fits
// every row, never below the readable size (a row still too wide wraps, an
// order line's name under the name column).
QVector<Block> SummaryBlocks(const ReportTextObject& summary, double width) {
    const QStringList& lines = summary.lines;
    const double templateSize = summary.font.pointSizeF();
    QStringList wholeTexts;
    for (const QString& line : lines)
        wholeTexts.append(TrimTrailingBlanks(line));
    double size =
        FittingPointSize(wholeTexts, summary.font, width, templateSize, ReadablePointSize);
    const bool broken = size == 0;
    if (broken) {
        QStringList rowTexts;
        for (const QString& line : lines) {
            const qsizetype at = AmountColumn(line);
            if (at < 0) {
                rowTexts.append(TrimTrailingBlanks(line));
            } else {
                rowTexts.append(TrimTrailingBlanks(line.left(at)));
                rowTexts.append(TrimBlanks(line.mid(at)));
            }
        }
        size = std::max(
            FittingPointSize(rowTexts, summary.font, width, templateSize, ReadablePointSize),
            ReadablePointSize);
    }

    const QFont font = WithPointSize(summary.font, size);
    const double rowHeight = SummaryLineHeight * size / templateSize;
    const Qt::Alignment left = summary.alignment;
    const Qt::Alignment right = (summary.alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
    QVector<Block> blocks;
    for (int i = 0; i < lines.size(); ++i) {
        Block block{i == 0 ? SummaryGap : 0, {}};
        const QString& line = lines[i];
        const qsizetype at = broken ? AmountColumn(line) : -1;
        if (at < 0) {
            AppendRows(block, summary, TrimTrailingBlanks(line), font, left, width, 0, rowHeight,
                       i);
        } else {
            const QString name = TrimTrailingBlanks(line.left(at));
            const double indent =
                at > NameColumnWidth ? TextWidth(line.left(QuantityColumnWidth), font) : 0;
            if (!name.isEmpty())
                AppendRows(block, summary, name, font, left, width, indent, rowHeight, i);
            AppendRows(block, summary, TrimBlanks(line.mid(at)), font, right, width, 0, rowHeight,
                       i);
        }
        blocks.append(block);
    }
    return blocks;
}

// The blocks down pages of the given height (0: one page), a block that does
// not fit in what is left of a page starting the next one. A block taller
// than a whole page goes row by row.
QVector<ReportPage> Paginate(const QVector<Block>& blocks, double pageHeight) {
    QVector<Block> placed;
    for (const Block& block : blocks) {
        if (pageHeight <= 0 || block.height() <= pageHeight) {
            placed.append(block);
            continue;
        }
        // A bar's rows each take the bar's background.
        QColor background;
        double gap = block.gap;
        for (PlacedText row : block.rows) {
            if (row.text.isEmpty() && row.background.isValid() && block.rows.size() > 1) {
                background = row.background;
                continue;
            }
            if (background.isValid())
                row.background = background;
            row.box.moveTop(0);
            placed.append({gap, {row}});
            gap = 0;
        }
    }

    QVector<ReportPage> pages(1);
    double y = 0;
    for (const Block& block : placed) {
        double gap = block.gap;
        if (pageHeight > 0 && y > 0 && y + gap + block.height() > pageHeight) {
            pages.append(ReportPage());
            y = 0;
            gap = 0;
        }
        for (PlacedText row : block.rows) {
            row.box.translate(0, y + gap);
            pages.last().texts.append(row);
        }
        y += gap + block.height();
    }
    return pages;
}

} // namespace

bool IsRollPaper(const QPageSize& paper) {
    const QSizeF size = paper.size(QPageSize::Millimeter);
    return paper.isValid() && std::min(size.width(), size.height()) < RollThresholdMm;
}

QVector<ReportPage> LayOutForRoll(const ReportLayout& layout, const QDate& date,
                                  double printableWidth, double pageHeight) {
    const ReportTextObject* title = layout.findObject(QStringLiteral("txtTitolo"));
    const ReportTextObject* summary = layout.findObject(QStringLiteral("txtRiepilogo"));
    const ReportTextObject* dateBar = layout.findObject(QStringLiteral("txtPagina"));
    if (!title || !summary || !dateBar)
        return {};
    QVector<Block> blocks{Bar(*title, PrintedText(*title, date), printableWidth, TitleGap)};
    blocks += SummaryBlocks(*summary, printableWidth);
    // Without summary lines the date bar keeps the summary's place below the title.
    const double dateGap = DateGap + (summary->lines.isEmpty() ? SummaryGap : 0);
    blocks.append(Bar(*dateBar, PrintedText(*dateBar, date), printableWidth, dateGap));
    return Paginate(blocks, pageHeight);
}

double ContentHeight(const ReportPage& page) {
    double bottom = 0;
    for (const PlacedText& text : page.texts)
        bottom = std::max(bottom, text.box.bottom());
    return bottom;
}
