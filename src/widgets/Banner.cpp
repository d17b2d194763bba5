#include "widgets/Banner.h"

#include "widgets/Theme.h"

#include <QGraphicsDropShadowEffect>

Banner::Banner(const QString& name, const QString& text, int pointSize, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFont(FamilyFont(QStringLiteral("Verdana"), pointSize, true));
    setStyleSheet(QStringLiteral(
        "color: white; border-radius: 12px; padding: 10px 24px;"
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4F6F8F, stop:1 #2F4F4F);"));
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(12);
    shadow->setOffset(0, 3);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
}

QLabel* InstructionLine(const QString& name, const QString& text, QWidget* parent) {
    auto* line = new QLabel(text, parent);
    line->setObjectName(name);
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    line->setFont(FamilyFont(QStringLiteral("Verdana"), 13, true));
    line->setStyleSheet(QStringLiteral("color: white; background: rgba(47, 79, 79, 150);"
                                       "border-radius: 8px; padding: 6px 14px;"));
    return line;
}
