#include "widgets/Theme.h"

#include <QHash>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

QFont FamilyFont(const QString& family, int pointSize, bool bold) {
    QFont font(family, pointSize, bold ? QFont::Bold : QFont::Normal);
    const bool monospace = family.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0;
    font.setStyleHint(monospace ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(monospace);
    return font;
}

QFont ListItemFont() {
    return FamilyFont(QStringLiteral("Courier New"), 12);
}

void ApplyWindowBackground(QWidget* window) {
    window->setAttribute(Qt::WA_StyledBackground, true);
    window->setStyleSheet(QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, "
                                         "y2:1, stop:0 #B0C4DE, stop:1 #FFFFFF); }")
                              .arg(window->objectName()));
}

QString IconPath(const QString& name) {
    // The artwork is compiled into the static library; make sure it is
    // registered before the first picture is drawn.
    static const bool registered = [] {
        Q_INIT_RESOURCE(orbisala_artwork);
        return true;
    }();
    Q_UNUSED(registered);
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
