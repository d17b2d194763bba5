#include "widgets/Theme.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QWidget>

#include <cmath>
#include <cstring>

namespace {

// A colour as a style sheet writes it.
QString Css(const QColor& colour) {
    return colour.name();
}

QString VerticalGradient(const QColor& top, const QColor& bottom) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(Css(top), Css(bottom));
}

QString ButtonSheet(bool primary) {
    using namespace Theme;
    const QString face =
        primary ? QStringLiteral("color: white; border: 1px solid %1; background: %2;")
                      .arg(Css(Ink), VerticalGradient(SlateBlue, DarkSlate))
                : QStringLiteral("color: %1; border: 1px solid %2; background: %3;")
                      .arg(Css(DarkSlate), Css(SlateGrey), VerticalGradient(Qt::white, Mist));
    const QString pressed = primary ? VerticalGradient(DarkSlate, Ink)
                                    : VerticalGradient(Mist, QColor(0xC4, 0xD0, 0xDE));
    return QStringLiteral("QPushButton { %1 border-radius: 12px; padding: 4px 22px 4px 16px; }"
                          "QPushButton:hover { border: 2px solid %2; }"
                          "QPushButton:focus { border: 3px solid %3; outline: none; }"
                          "QPushButton:pressed { background: %4; }"
                          "QPushButton:disabled { color: #A8B0B8; border: 1px solid #C0C8D0;"
                          " background: #E8ECF1; }")
        .arg(face, Css(Crimson), Css(FocusYellow), pressed);
}

QString FieldSheet() {
    using namespace Theme;
    return QStringLiteral(
               "QLineEdit, QPlainTextEdit, QListView { background: white; color: %1;"
               " border: 1px solid %2; border-radius: 8px; padding: 6px 12px;"
               " selection-background-color: %3; }"
               "QLineEdit:focus, QPlainTextEdit:focus, QListView:focus { border: 3px solid %4;"
               " padding: 4px 10px; }"
               "QScrollBar:vertical { background: %5; width: 16px; margin: 4px 2px 4px 0;"
               " border-radius: 6px; }"
               "QScrollBar::handle:vertical { background: %2; min-height: 40px;"
               " border-radius: 6px; }"
               "QScrollBar::handle:vertical:pressed { background: %6; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {"
               " background: none; }")
        .arg(Css(Ink), Css(SlateGrey), Css(SlateBlue), Css(FocusYellow), Css(Haze), Css(DarkSlate));
}

// Looks that paint a whole widget are given to that widget alone, by its
// object name, so that its children keep their own.
QString Own(const QWidget* widget, const QString& rules) {
    return QStringLiteral("#%1 { %2 }").arg(widget->objectName(), rules);
}

QString SheetFor(const QWidget* widget, Theme::Look look) {
    using namespace Theme;
    switch (look) {
    case Look::Window:
        return Own(widget,
                   QStringLiteral("background: %1;").arg(VerticalGradient(SteelBlue, Qt::white)));
    case Look::Banner:
        return QStringLiteral("color: white; border-radius: 12px; padding: 10px 24px;"
                              " background: %1;")
            .arg(VerticalGradient(SlateBlue, DarkSlate));
    case Look::Instruction:
        return QStringLiteral("color: white; background: rgba(47, 79, 79, 150);"
                              " border-radius: 8px; padding: 6px 14px;");
    case Look::PrimaryButton:
        return ButtonSheet(true);
    case Look::LightButton:
        return ButtonSheet(false);
    case Look::Field:
        return FieldSheet();
    case Look::TotalField:
        return FieldSheet() + QStringLiteral("QLineEdit { color: %1; }").arg(Css(TotalBrown));
    case Look::FocusFrame:
        return QStringLiteral("background: %1; border-radius: 6px;").arg(Css(FocusYellow));
    case Look::InfoBar:
        return QStringLiteral("background: black; color: white; padding: 4px 10px;");
    case Look::WhitePanel:
        return Own(widget, QStringLiteral("background: white; border: 1px solid %1;"
                                          " border-radius: 12px;")
                               .arg(Css(SlateGrey)));
    case Look::GradientPanel:
        return Own(widget, QStringLiteral("background: %1; border: 1px solid %2;"
                                          " border-radius: 12px;")
                               .arg(VerticalGradient(SteelBlue, Qt::white), Css(SlateGrey)));
    case Look::LogoBand:
    case Look::LogoBandAccent:
        return Own(widget, QStringLiteral("background: white; border-bottom: 3px solid %1;")
                               .arg(Css(look == Look::LogoBand ? DarkSlate : Crimson)));
    }
    return {};
}

} // namespace

namespace Theme {

void ApplyLook(QWidget* widget, Look look) {
    if (look == Look::Window || look == Look::WhitePanel || look == Look::GradientPanel ||
        look == Look::LogoBand || look == Look::LogoBandAccent)
        widget->setAttribute(Qt::WA_StyledBackground, true);
    widget->setStyleSheet(SheetFor(widget, look));
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

} // namespace Theme

void ApplyWindowBackground(QWidget* window) {
    Theme::ApplyLook(window, Theme::Look::Window);
}

QString IconPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

namespace {

// A picture pre-drawn at `pixels` (":/icons/<name>-<w>x<h>.rgba": premultiplied
// RGBA bytes, row after row). Raw bytes need no image decoder, and no image
// format plugin is looked for. Null when there is none of that size.
QImage PredrawnArtwork(const QString& name, const QSize& pixels) {
    QFile file(
        QStringLiteral(":/icons/%1-%2x%3.rgba").arg(name).arg(pixels.width()).arg(pixels.height()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QImage image(pixels, QImage::Format_RGBA8888_Premultiplied);
    if (bytes.size() != image.sizeInBytes() || image.bytesPerLine() != 4 * pixels.width())
        return {};
    std::memcpy(image.bits(), bytes.constData(), bytes.size());
    return image;
}

} // namespace

bool HasArtwork(const QString& name) {
    return QFile::exists(IconPath(name));
}

QImage RenderArtwork(const QString& name, const QSize& pixels) {
    QSvgRenderer picture(IconPath(name));
    if (!picture.isValid() || pixels.isEmpty())
        return {};
    QSizeF fitted = picture.defaultSize();
    fitted.scale(pixels, Qt::KeepAspectRatio);
    QImage image(fitted.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter);
    return image;
}

QPixmap ArtworkPixmap(const QString& name, const QSizeF& area, qreal dpr) {
    const QSize pixels(qRound(area.width() * dpr), qRound(area.height() * dpr));
    const QString key = QStringLiteral("artwork:%1:%2x%3:%4")
                            .arg(name)
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImage image = PredrawnArtwork(name, pixels);
    if (image.isNull())
        image = RenderArtwork(name, pixels);
    if (image.isNull())
        return {};
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

bool DrawArtwork(QPainter* painter, const QString& name, const QRectF& area) {
    const qreal dpr = painter->device()->devicePixelRatioF();
    const QPixmap pixmap = ArtworkPixmap(name, area.size(), dpr);
    if (pixmap.isNull())
        return false;
    QRectF target(QPointF(0, 0), pixmap.deviceIndependentSize());
    target.moveCenter(area.center());
    // On whole device pixels: the copy stays as sharp as it was drawn.
    const QPointF corner(std::round(target.left() * dpr) / dpr,
                         std::round(target.top() * dpr) / dpr);
    painter->drawPixmap(corner, pixmap);
    return true;
}
