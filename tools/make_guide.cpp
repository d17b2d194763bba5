// Build-time helper: writes the PDF user guide "Guida.pdf" that the help
// window opens. Its text is the help of the program itself: a title page,
// then every topic with its title and paragraphs.
#include "help/HelpTopics.h"
#include "widgets/Theme.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

QImage LogoImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer logo(IconPath(QStringLiteral("logo")));
    if (logo.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        logo.render(&painter);
    }
    return image;
}

QString GuideHtml() {
    const HelpTopic topics[] = {HelpTopic::Overview, HelpTopic::PriceLists, HelpTopic::Orders};

    // The title page: logo, product name, what the guide is, its contents.
    QString html = QStringLiteral(
        "<html><body style=\"font-family: 'Verdana'; font-size: 11pt; color: #1F2F3F;\">"
        "<p align=\"center\" style=\"margin-top: 90px;\">"
        "<img src=\"logo\" width=\"220\" height=\"220\"></p>"
        "<p align=\"center\" style=\"font-size: 44pt; font-weight: bold; color: #2F4F4F;"
        " margin-top: 30px;\">Orbisala</p>"
        "<p align=\"center\" style=\"font-size: 20pt; color: #DC143C; margin-top: 6px;\">"
        "Guida all'utilizzo del software</p>"
        "<p align=\"center\" style=\"font-size: 12pt; color: #708090; margin-top: 18px;"
        " margin-bottom: 70px;\">Ordinazioni ai tavoli per ristoranti, trattorie e pizzerie</p>"
        "<p align=\"center\" style=\"font-size: 13pt; font-weight: bold; color: #2F4F4F;"
        " margin-bottom: 6px;\">Argomenti della guida</p>");
    for (HelpTopic topic : topics)
        html += QStringLiteral("<p align=\"center\" style=\"font-size: 12pt; margin-top: 4px;\">"
                               "%1</p>")
                    .arg(HelpTopicTitle(topic).toHtmlEscaped());

    // Every topic on a page of its own.
    for (HelpTopic topic : topics) {
        html += QStringLiteral("<h1 style=\"font-family: 'Arial'; font-size: 20pt; color: #DC143C;"
                               " margin-bottom: 16px; page-break-before: always;\">%1</h1>")
                    .arg(HelpTopicTitle(topic).toHtmlEscaped());
        for (const QString& paragraph : HelpTopicParagraphs(topic))
            html += QStringLiteral("<p align=\"justify\" style=\"margin-bottom: 10px;"
                                   " line-height: 130%;\">%1</p>")
                        .arg(paragraph.toHtmlEscaped());
    }
    html += QStringLiteral("</body></html>");
    return html;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_guide <path of Guida.pdf>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);

    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Orbisala - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Orbisala"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));

    QTextDocument guide;
    guide.setDefaultFont(FamilyFont(QStringLiteral("Verdana"), 11));
    guide.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), LogoImage(720));
    guide.setHtml(GuideHtml());
    guide.print(&writer);

    if (QFileInfo(path).size() == 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
