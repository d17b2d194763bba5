#include "platform/Palette.h"

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
