#include "widgets/Theme.h"

#include <QHash>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

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

QFont Verdana(int pointSize, bool bold) {
    return FamilyFont(QStringLiteral("Verdana"), pointSize, bold);
}

QFont Tahoma(int pointSize, bool bold) {
    return FamilyFont(QStringLiteral("Tahoma"), pointSize, bold);
}

QFont Arial(int pointSize, bool bold) {
    return FamilyFont(QStringLiteral("Arial"), pointSize, bold);
}

QFont CourierNew(int pointSize, bool bold) {
    return FamilyFont(QStringLiteral("Courier New"), pointSize, bold);
}

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

QFont FamilyFont(const QString& family, int pointSize, bool bold) {
    QFont font(family, pointSize, bold ? QFont::Bold : QFont::Normal);
    const bool monospace = family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(monospace ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(monospace);
    return font;
}

QFont ListItemFont() {
    return Theme::CourierNew(12);
}

void ApplyWindowBackground(QWidget* window) {
    Theme::ApplyLook(window, Theme::Look::Window);
}

QString IconPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QSvgRenderer* SharedIcon(const QString& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> icons;
    auto it = icons.find(name);
    if (it == icons.end()) {
        auto renderer = std::make_shared<QSvgRenderer>(IconPath(name));
        it = icons.insert(name, renderer->isValid() ? renderer : nullptr);
    }
    return it.value().get();
}
