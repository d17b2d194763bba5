#include "widgets/Banner.h"

#include "widgets/Theme.h"

#include <QGraphicsDropShadowEffect>

Banner::Banner(const QString& name, const QString& text, int pointSize, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFont(Theme::Verdana(pointSize, true));
    Theme::ApplyLook(this, Theme::Look::Banner);
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
    line->setFont(Theme::Verdana(13, true));
    Theme::ApplyLook(line, Theme::Look::Instruction);
    return line;
}
