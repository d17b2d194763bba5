#include "widgets/Picture.h"

#include "widgets/Theme.h"

#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(const QString& name, const QString& iconName, QSize size, QWidget* parent)
    : QWidget(parent), m_picture(SharedIcon(iconName)), m_size(size) {
    setObjectName(name);
    setFixedSize(size);
}

QSize Picture::sizeHint() const {
    return m_size;
}

void Picture::paintEvent(QPaintEvent*) {
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = m_picture->defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QRectF(rect()).center());
    m_picture->render(&painter, target);
}
