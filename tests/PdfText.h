#pragma once

// What a PDF file shows, as poppler reads it back: each page's size and each
// word with its box, in the order the file draws them (`pdftotext -raw
// -bbox`), in points from the page's top left corner.

#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

struct PdfWord {
    int page; // from 0
    QRectF box;
    QString text;
};

struct PdfText {
    QVector<QSizeF> pages;
    QVector<PdfWord> words;
    QString error; // empty when the file was read

    QStringList texts() const {
        QStringList result;
        for (const PdfWord& word : words)
            result.append(word.text);
        return result;
    }
};

inline constexpr double PointsPerMm = 72 / 25.4;

inline PdfText ReadPdfText(const QString& file) {
    PdfText result;
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        result.error = QStringLiteral("no pdftotext (poppler-utils, from the package script)");
        return result;
    }
    QProcess process;
    process.start(pdftotext,
                  {QStringLiteral("-raw"), QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        result.error = QStringLiteral("pdftotext failed on %1: %2")
                           .arg(file, QString::fromLocal8Bit(process.readAllStandardError()));
        return result;
    }
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const auto number = [&](const char* name) {
            return attributes.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == u"page") {
            result.pages.append(QSizeF(number("width"), number("height")));
        } else if (xml.name() == u"word") {
            const QRectF box(QPointF(number("xMin"), number("yMin")),
                             QPointF(number("xMax"), number("yMax")));
            result.words.append({int(result.pages.size()) - 1, box, xml.readElementText()});
        }
    }
    if (xml.hasError())
        result.error = QStringLiteral("unreadable pdftotext output: ") + xml.errorString();
    return result;
}

// The words of texts as poppler splits them: at blanks.
inline QStringList WordsOf(const QStringList& texts) {
    QStringList words;
    for (const QString& text : texts)
        words += text.split(u' ', Qt::SkipEmptyParts);
    return words;
}
