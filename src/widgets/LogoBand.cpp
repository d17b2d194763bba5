#include "widgets/LogoBand.h"

#include "widgets/Picture.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

LogoBand::LogoBand(QWidget* parent, int height, const QString& subtitle) : QWidget(parent) {
    setObjectName(QStringLiteral("shpLogo"));
    Theme::ApplyLook(this,
                     subtitle.isEmpty() ? Theme::Look::LogoBand : Theme::Look::LogoBandAccent);
    setFixedHeight(height);

    const int side = subtitle.isEmpty() ? height - 16 : height - 28;
    auto* picture =
        new Picture(QStringLiteral("imgLogo"), QStringLiteral("logo"), {side, side}, this);
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addStretch(1);
    text->addWidget(ProductName(QStringLiteral("lblProdotto"), height / 4 - 2, this));
    if (!subtitle.isEmpty())
        text->addWidget(ProductLine(QStringLiteral("lblSottotitolo"), subtitle, this));
    text->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(22, 8, 22, 8);
    row->setSpacing(14);
    if (subtitle.isEmpty())
        row->addStretch(1);
    row->addWidget(picture);
    row->addLayout(text, subtitle.isEmpty() ? 0 : 1);
    if (subtitle.isEmpty())
        row->addStretch(1);
}

QLabel* ProductName(const QString& name, int pointSize, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("Orbisala"), parent);
    label->setObjectName(name);
    label->setFont(Theme::Verdana(pointSize, true));
    Theme::SetTextColour(label, Theme::DarkSlate);
    return label;
}

QLabel* ProductLine(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Theme::Verdana(10));
    Theme::SetTextColour(label, Theme::SlateGrey);
    return label;
}
