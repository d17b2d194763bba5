#include "widgets/LogoBand.h"

#include "widgets/Picture.h"
#include "widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>

LogoBand::LogoBand(const QString& name, QWidget* parent, int height) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(
        QStringLiteral("#%1 { background: white; border-bottom: 2px solid #2F4F4F; }").arg(name));
    setFixedHeight(height);

    auto* picture = new Picture(name + QStringLiteral("Picture"), QStringLiteral("logo"),
                                QSize(height - 16, height - 16), this);
    auto* product = new QLabel(QStringLiteral("Orbisala"), this);
    product->setFont(FamilyFont(QStringLiteral("Verdana"), height / 4, true));
    product->setStyleSheet(QStringLiteral("color: #2F4F4F;"));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 12, 8);
    row->addStretch(1);
    row->addWidget(picture);
    row->addSpacing(10);
    row->addWidget(product);
    row->addStretch(1);
}
