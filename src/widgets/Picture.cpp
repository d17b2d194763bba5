#include "widgets/Picture.h"

#include "widgets/Theme.h"

#include <QPainter>

Picture::Picture(const QString& name, const QString& iconName, QSize size, QWidget* parent)
    : QWidget(parent), m_picture(iconName), m_size(size) {
    setObjectName(name);
    setFixedSize(size);
}

QSize Picture::sizeHint() const {
    return m_size;
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawArtwork(&painter, m_picture, rect());
}
