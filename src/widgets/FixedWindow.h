#pragma once

#include <QSize>
#include <QString>

class QWidget;

// Sets up a fixed-size window: its class name as object name, its title, the
// client size, a frame with a title bar but no title-bar buttons. Centred on
// the screen, or on the owner when one is given.
void SetUpFixedWindow(QWidget* window, const QString& className, const QString& title,
                      QSize clientSize, QWidget* centreOn = nullptr);

// Centres a window on the screen, or on another window.
void CentreWindow(QWidget* window, QWidget* on = nullptr);
