#include "widgets/FixedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetUpFixedWindow(QWidget* window, const QString& className, const QString& title,
                      QSize clientSize, QWidget* centreOn) {
    window->setObjectName(className);
    window->setWindowTitle(title);
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint);
    window->setFixedSize(clientSize);
    CentreWindow(window, centreOn);
}

void CentreWindow(QWidget* window, QWidget* on) {
    QRect area;
    if (on && on->isVisible())
        area = on->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(area.center());
        window->move(frame.topLeft());
    }
}
